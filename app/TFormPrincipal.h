#pragma once

#include <QFont>
#include <QMainWindow>
#include <functional>
#include <memory>
#include <optional>
#include <string>
#include <vector>

#include "app/ChangeTimer.h"
#include "app/FieldFocus.h"
#include "app/FontColourDialog.h"
#include "app/KeyTree.h"
#include "app/Programa.h"
#include "app/SettingsFont.h"
#include "app/Timer.h"
#include "output/PredictionGroup.h"
#include "scan/ScanState.h"
#include "scan/Switches.h"

class QAction;
class QLineEdit;
class QMenu;
class QSpinBox;
class QToolButton;
class QTreeWidgetItem;
class TAboutBox;
namespace lang {
enum class Llengua;
}
namespace settings {
struct OpcioDeMenu;
}

// The keyboard's main window. Its handlers live beside their subsystem: app/ holds
// creation, closing and the small menu commands, output/ the dispatch and tracking,
// scan/ the scanning, speech/ the reading and the engines, lang/ the languages.
class TFormPrincipal : public QMainWindow {
    Q_OBJECT
  public:
    explicit TFormPrincipal(Programa& programa, QWidget* parent = nullptr);
    ~TFormPrincipal() override;

    Programa& programa;
    platform::Desktop& desktop;
    TAboutBox* AboutBox = nullptr;  // set by start-up once the about box exists

    // --- components --------------------------------------------------------------------
    QWidget* ToolBar1;
    QToolButton* ButtonShift;
    QToolButton* ButtonBloqMajuscules;
    QToolButton* ButtonLectura;
    QToolButton* ButtonPausa;
    QLineEdit* EditVelocitat;
    QSpinBox* SpinEditTempsTimer;
    QToolButton* ButtonParar;
    KeyTree* Tree;
    QFont FontDialogFont;  // the font dialog's font, which is also the tree's
    // Shows the font dialog starting from a font and colour; nothing when the user cancels.
    std::function<std::optional<TriaDeFont>(const TriaDeFont&)> FontDialog;
    // The rest of the font dialog's font, kept for the settings file.
    int FontDialogCharset = settings::kCharsetPerDefecte;
    std::int32_t FontDialogColor = settings::kColorPerDefecte;
    // Shows the open dialog; the chosen file name, nothing when the user cancels.
    std::function<std::optional<std::string>()> OpenFileDialog;

    QMenu* MenuOpcions;
    QAction* MenuObrir;
    QAction* MenuCanviarLaFont;
    QAction* MenuAjustarlagrandriadelafinestrareceptora;
    QAction* MenuEnviarLesTeclesALAplicacioActiva;
    QAction* MenuActivarLEscaneigAutomatic;
    QAction* MenuPassarDuesVegades;
    QAction* MenuLlegirlateclaEnEscaneigAutomatic;
    QAction* MenuLlegirElQueSEscriu;
    QAction* MenuPrediccioDeParaules;
    QAction* MenuEsborrarLesParaulesApreses;
    QAction* MenuLlegeixLoDeLaCarpetaSensePosarHiRes;
    QAction* MenuLlegeixLoSeleccionat;
    QAction* MenuSeleccionaTotTeclesEstandar;
    QAction* MenuSeleccionaAmbCtrlA;
    QAction* MenuSeleccionaAmbCtrlE;
    QMenu* PopupLlenguatge;
    QAction* PopupCatala;
    QAction* PopupCastellano;
    QAction* PopupEuskera;
    QAction* PopupGalego;
    QAction* MenuPortugues;
    QMenu* MenuSintetitzador;
    QAction* MenuUPCTV;
    QMenu* PopupVeuDe;
    QAction* PopupDona;
    QAction* PopupHome;
    QAction* MenuSapi51;
    QAction* MenuIdiomaSapi51;
    QAction* MenuParlantDe;
    QAction* MenuSortir;

    Timer TimerStatusUpcTV;
    // Ticks only when the window system says the window in front or its title changed.
    ChangeTimer TimerCercaHandleFinestra;
    Timer TimerEscaneig;

    // --- state -------------------------------------------------------------------------
    platform::HWND FinestraReceptora = 0;
    bool TeclesDeControl = true;
    // Scanning's bookkeeping between steps; the dispatch tells it what a press did.
    scan::ScanState<QTreeWidgetItem*> EstatEscaneig;

    // --- start-up, shutdown and the small commands -----------------------------------------
    void FormCreate();
    void FormClose();
    // True once the window has been closed; it is never shown again.
    bool Tancada() const { return tancada_; }
    void MenuCanviarLaFontClick();
    void MenuParlantDeClick();
    void MenuSortirClick();
    // Waits ms milliseconds on the tick count while window messages keep being handled.
    void Espera(int ms);
    // Disables the reading controls when the speech library is missing.
    void DesactivarControlsDeLectura();
    // The keyboard focus: the window takes it only while the user types into one of its fields,
    // and gives it back to the receiving window when done or at the next key.
    void PrendreElFocusPerEscriure();
    void TornarElFocus();
    // The window's outer sides in screen pixels, as the desktop has them once it is shown.
    platform::Rect LlocActual();
    // Sets the tree's font and the font dialog's font.
    void AplicarFont(const QFont& font);

    // --- settings file ---------------------------------------------------------------
    // Applies the saved settings; false "Llengua" (a first run) applies nothing else.
    void CarregarConfiguracio();
    void DesarConfiguracio();
    // Starts automatic scanning, after a short wait, when it was on at the last close.
    void RestaurarEscaneigAutomatic();
    bool EscaneigAutomaticDesat();

    // --- key tree ----------------------------------------------------------------------
    void AfegirTeclesEspecials();
    bool CarregarTeclat(const std::string& fileName);
    void CarregarTeclatDeLiniaOrdres();
    void MenuObrirClick();

    // --- key press dispatch ---------------------------------------------------------------
    void TreeClick();
    void EnviarTecla(uint8_t vk);
    void EnviarCaracter(char character);
    // Tells the user, once a run, that the layout could not type a character of the key
    // just typed.
    void AvisarCaracterOmes();
    void ButtonShiftClick();
    void ButtonBloqMajusculesClick();
    void MenuEnviarLesTeclesALAplicacioActivaClick();

    // --- word prediction ------------------------------------------------------------------
    // Off until the user ticks it: a group of predicted words at the top of the tree.
    output::PredictionGroup Prediccions;
    void MenuPrediccioDeParaulesClick();
    void MenuEsborrarLesParaulesApresesClick();
    // Loads the model of the interface language and shows the group; says once a run when
    // the lexicon is missing or what was learned was damaged.
    void EngegarPrediccio();
    // Refills the group for the word being typed, at the tree's top.
    void RefrescarPrediccions();
    // After a change of the interface language: its lexicon and the group's label.
    void SeguirLlenguaAmbPrediccio();
    // Another receiving window: the word being typed there is not known.
    void SeguirAltraFinestra();

    // --- receiving window -------------------------------------------------------------------
    void TimerCercaHandleFinestraTimer();
    void MenuAjustarlagrandriadelafinestrareceptoraClick();

    // --- scanning ------------------------------------------------------------------------
    void MenuActivarLEscaneigAutomaticClick();
    void TreeMouseDown(Qt::MouseButton button, Qt::KeyboardModifiers shift, int x, int y);
    void SpinEditTempsTimerChange();
    void MenuPassarDuesVegadesClick();
    void MenuLlegirlateclaEnEscaneigAutomaticClick();
    void ReiniciarEscaneig();
    void TimerEscaneigTimer();

    // --- switches ------------------------------------------------------------------------
    // Beyond the design, each off until the user turns it on: a key as the switch that
    // chooses, and two switches, one of them moving the highlight in place of the timer.
    QMenu* MenuSwitch;
    QAction* MenuSwitchMouse;
    QAction* MenuSwitchKey;
    QAction* MenuTwoSwitches;
    QMenu* MenuAutoAdvance;
    // "Never" first, then one item per pause of scan::kAutoAdvanceChoices.
    std::vector<QAction*> MenuAutoAdvanceItems;
    scan::Switches CurrentSwitches;
    // Asks the user to press the switch that chooses (or, moving: the one that moves); the
    // key's name, nothing when the user cancels.
    std::function<std::optional<std::string>(bool moving)> SwitchDialog;
    void MenuSwitchMouseClick();
    void MenuSwitchKeyClick();
    void MenuTwoSwitchesClick();
    void MenuAutoAdvanceClick(int seconds);
    // One press of a switch key: the choosing key takes the ordinary click path on the
    // highlighted key, the moving key makes one scanning step.
    void SwitchPressed(const std::string& key);
    // Puts switches in force: menu ticks, the scanning timer's interval, the caught keys.
    void SetSwitches(const scan::Switches& switches);
    // Catches the switch keys while scanning is on and lets them go otherwise.
    void GrabSwitchKeys();
    void ReleaseSwitchKeys();
    // The captions of the switch items in a language.
    void SwitchCaptions(lang::Llengua llengua);

    // --- speech engines --------------------------------------------------------------------
    void RecarregarUpcTV();
    void AplicarVeu();
    void PopupDonaClick();
    void PopupHomeClick();
    void MenuUPCTVClick();
    void EditVelocitatChange();
    void ObrirVocelia();
    void MenuSapi51Click();
    void MenuIdiomaSapi51Click();
    // Start-up: the engine chosen at the last close, restored once the window is shown.
    void RestaurarSintetitzador();
    // Closing: tells the bridge that the keyboard is going and records the chosen engine.
    void TancarVocelia();

    // --- reading -----------------------------------------------------------------------
    bool LlegirTecla(const std::string& text);
    void LlegirText(const std::string& text);
    bool ComprovarStatus();
    void TimerStatusUpcTVTimer();
    void ButtonLecturaClick();
    void ButtonPausaClick();
    void ButtonPararClick();
    void MenuLlegirElQueSEscriuClick();
    void MenuLlegeixLoDeLaCarpetaSensePosarHiResClick();
    void MenuLlegeixLoSeleccionatClick();
    void MenuSeleccionaTotTeclesEstandarClick();
    void MenuSeleccionaAmbCtrlAClick();
    void MenuSeleccionaAmbCtrlEClick();
    void DesmarcarModesLectura();

    // --- interface languages ------------------------------------------------------------
    void PopupCatalaClick();
    void PopupCastellanoClick();
    void PopupEuskeraClick();
    void PopupGalegoClick();
    void MenuPortuguesClick();
    // Applies the language stored in the settings file while the window is created.
    void AplicarLlenguaDesada(const std::string& storedValue);
    // The language the captions are in: Catalan (the value 0) at start. Without the speech
    // library a stored language changes the captions but not the ticked item.
    lang::Llengua LlenguaDeLaInterficie{};

    // Runs the handler when the menu item is clicked; the handler decides the check mark.
    void OnClick(QAction* item, void (TFormPrincipal::*handler)());

  protected:
    void closeEvent(QCloseEvent* event) override;
    void showEvent(QShowEvent* event) override;
    void moveEvent(QMoveEvent* event) override;
    void resizeEvent(QResizeEvent* event) override;

  private:
    void BuildToolBar();
    void BuildTree();
    void BuildMenu();
    void PlaceAtTopRight();
    void FitHeightToScreen();
    void BuildKeyboard();

    // Settings file.
    void AplicarVeuDesada();
    void AplicarFontDesada();
    void AplicarColorDeFont();
    void AplicarMenuDesat();
    void AplicarPosicioDesada();
    void AplicarTeclesDeControlDesades();
    void ApplyStoredSwitches();
    void SaveSwitches();
    void DesarLlenguaIVeu();
    void DesarFont();

    // Keyboard files.
    void ObrirTeclat(const std::string& fileName);
    void PortarPunterALaPregunta();
    std::optional<std::string> TriarFitxerDeTeclat();

    // Key press dispatch: a character of the key being typed was skipped; the user has
    // been told of one.
    bool caracterOmes_ = false;
    bool caracterOmesAvisat_ = false;

    bool tancada_ = false;
    // Scanning was on at the last close and start-up has not switched it on yet.
    bool escaneigPerRestaurar_ = false;
    bool MarcaADesar(const settings::OpcioDeMenu& opcio) const;
    bool shownOnce_ = false;
    bool frameKnown_ = false;
    void KeepDesignPlace();
    // The window's outer sides, frame included, in screen pixels, as the design and the
    // settings file give them; applied again once the frame is known.
    platform::Rect llocDesitjat_;
    // True while the window stands where the design puts it, against the screen's right edge.
    bool alMargeDret_ = true;
    void MoureFinestraA(int left, int top);
    void CanviarMida(int width, int height);
    void AplicarLloc();
    // Each subsystem connects its own components to its handlers.
    void WireShell();
    void WireFieldFocus();
    std::unique_ptr<FieldFocus> fieldFocus_;
    bool focusPerEscriure_ = false;
    void WireDispatch();
    void WireScanning();
    void BuildSwitchMenu();
    void WireSwitches();
    std::optional<std::string> AskForSwitchKey(bool moving);
    void MoveSwitchPressed();
    void GiveUpSwitchKeys();
    void TellSwitchKeyLost(const std::string& key, bool moving);
    // The scanning timer's interval for the step time and the switches.
    void ApplyScanInterval(int stepMs);
    bool switchKeysGrabbed_ = false;
    void WireSpeech();
    void WireVocelia();
    void WireLanguages();
    void WirePrediction();
    bool prediccioAvisada_ = false;

    // Speech: the toolbar layouts of the reading states and the steps of the read button.
    void DisposicioRepos();
    void DisposicioLectura();
    void DisposicioPausa();
    std::string HintLectura() const;
    void AplicarVelocitat();
    void PortarFinestraReceptora();
    void CopiarTextReceptor();
    bool SeleccionarTot();
    void IniciarLectura();
    void ArrencadaFallida();
};
