#pragma once

#include <QFont>
#include <QMainWindow>
#include <functional>
#include <memory>
#include <optional>
#include <string>
#include <vector>

#include "app/Configuracio.h"
#include "app/FieldFocus.h"
#include "app/FormPlace.h"
#include "app/KeyFont.h"
#include "app/KeyboardFiles.h"
#include "app/Programa.h"
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

// The keyboard's main window. It builds its parts (toolbar, tree and menu) and the subsystems
// that act on them, each taking the narrow platform interfaces it needs, and wires the parts'
// events to the subsystems' handlers, which keep the design's names: typing and tracking in
// output/, scanning in scanning/, reading and the engines in speech/, the languages in lang/,
// the settings file, the keyboard files, the font and the window's place in app/.
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
    QAction* MenuVeuNatural;
    QAction* MenuParlantDe;
    QAction* MenuSortir;
    // Beyond the design, each off until the user turns it on: a key or a joystick button as the
    // switch that chooses, and two switches, one of them moving the highlight in place of the
    // timer.
    QMenu* MenuSwitch;
    QAction* MenuSwitchMouse;
    QAction* MenuSwitchKey;
    QAction* MenuSwitchButton;
    QAction* MenuTwoSwitches;
    QMenu* MenuAutoAdvance;
    // "Never" first, then one item per pause of scan::kAutoAdvanceChoices.
    std::vector<QAction*> MenuAutoAdvanceItems;
    QAction* MenuSwitchRules;

    // --- subsystems ----------------------------------------------------------------------
    std::unique_ptr<app::FormPlace> place;
    std::unique_ptr<app::KeyFont> font;
    std::unique_ptr<output::Tracking> tracking;
    std::unique_ptr<output::WordPrediction> prediction;
    std::unique_ptr<output::Typing> typing;
    std::unique_ptr<lang::Languages> languages;
    std::unique_ptr<speech::Speech> speech;
    std::unique_ptr<scanning::Scanning> scanning;
    std::unique_ptr<app::KeyboardFiles> keyboards;
    std::unique_ptr<settings::Configuracio> settings;

    // --- start-up, shutdown and the small commands -----------------------------------------
    void FormCreate();
    void FormClose();
    // True once the window has been closed; it is never shown again.
    bool Tancada() const { return tancada_; }
    void MenuParlantDeClick();
    void MenuSortirClick();
    // Waits ms milliseconds on the tick count while window messages keep being handled.
    void Espera(int ms);
    // The keyboard focus: the window takes it only while the user types into one of its fields,
    // and gives it back to the receiving window when done or at the next key.
    void PrendreElFocusPerEscriure();
    void TornarElFocus();

    // Runs the handler when the menu item is clicked; the handler decides the check mark.
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
    void BuildSwitchMenu();
    // The captions of the items beyond the design, in a language.
    void SwitchCaptions(lang::Llengua llengua);
    void SpeechCaptions(lang::Llengua llengua);
    // The option items the settings file keeps, with their handlers.
    std::vector<settings::OpcioDeMenu> OpcionsDeMenu();

    // Each subsystem is built on the parts it works with, then its parts are wired to it.
    void BuildTyping();
    void BuildLanguages();
    void BuildSpeech();
    void BuildScanning();
    void BuildKeyboardFiles();
    void BuildSettings();
    void WireShell();
    void WireFieldFocus();
    void WireDispatch();
    void WirePrediction();
    void WireScanning();
    void WireSpeech();
    void WireLanguages();

    bool tancada_ = false;
    std::unique_ptr<FieldFocus> fieldFocus_;
    bool focusPerEscriure_ = false;
};
