#pragma once

#include <QFont>
#include <QMainWindow>
#include <functional>
#include <memory>
#include <optional>
#include <string>
#include <vector>

#include "app/FieldFocus.h"
#include "app/FontColourDialog.h"
#include "app/Programa.h"
#include "app/SettingsFont.h"
#include "lang/Languages.h"
#include "output/Tracking.h"
#include "output/Typing.h"
#include "output/WordPrediction.h"
#include "scanning/Scanning.h"
#include "speech/Speech.h"
#include "ui/KeyTree.h"
#include "ui/Timer.h"

class QAction;
class QLineEdit;
class QMenu;
class QSpinBox;
class QToolButton;
class QTreeWidgetItem;
class TAboutBox;
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

    // --- state -------------------------------------------------------------------------
    bool TeclesDeControl = true;
    // The receiving window, word prediction and the key press dispatch.
    std::unique_ptr<output::Tracking> tracking;
    std::unique_ptr<output::WordPrediction> prediction;
    std::unique_ptr<output::Typing> typing;
    // The interface languages.
    std::unique_ptr<lang::Languages> languages;
    // Reading aloud, and the engines and voices it reads with.
    std::unique_ptr<speech::Speech> speech;
    // Automatic scanning and the switches.
    std::unique_ptr<scanning::Scanning> scanning;

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
    // The captions of the switch items in a language.
    void SwitchCaptions(lang::Llengua llengua);

    // Runs the handler when the menu item is clicked; the handler decides the check mark.
    void OnClick(QAction* item, void (TFormPrincipal::*handler)());
    void OnClick(QAction* item, std::function<void()> handler);

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
    void BuildTyping();
    void WireDispatch();
    void BuildScanning();
    void WireScanning();
    void BuildSwitchMenu();
    void BuildSpeech();
    void WireSpeech();
    void BuildLanguages();
    void WireLanguages();
    void WirePrediction();
};
