#pragma once

#include <functional>
#include <string>

#include "platform/Clipboard.h"
#include "platform/Keyboard.h"
#include "platform/Time.h"
#include "platform/Types.h"
#include "platform/Windows.h"
#include "scan/SwitchRules.h"
#include "speech/Engines.h"
#include "ui/Timer.h"

class QAction;
class QLineEdit;
class QMenu;
class QSpinBox;
class QToolButton;
class QWidget;

namespace speech {

// The parts of the window that speech works with; the form builds them.
struct SpeechParts {
    QWidget* FormPrincipal;  // the owner of its messages
    QToolButton* ButtonLectura;
    QToolButton* ButtonPausa;
    QToolButton* ButtonParar;
    QLineEdit* EditVelocitat;
    QSpinBox* SpinEditTempsTimer;
    QAction* MenuLlegirlateclaEnEscaneigAutomatic;
    QAction* MenuLlegirElQueSEscriu;
    QAction* MenuLlegeixLoDeLaCarpetaSensePosarHiRes;
    QAction* MenuLlegeixLoSeleccionat;
    QAction* MenuSeleccionaTotTeclesEstandar;
    QAction* MenuSeleccionaAmbCtrlA;
    QAction* MenuSeleccionaAmbCtrlE;
    QMenu* PopupLlenguatge;
    QAction* PopupCatala;
    QMenu* PopupVeuDe;
    QAction* PopupDona;
    QAction* PopupHome;
    QAction* MenuUPCTV;
    QAction* MenuSapi51;
    QAction* MenuIdiomaSapi51;
    QAction* MenuVeuNatural;
};

// What speech asks of the rest of the keyboard, wired by the form.
struct SpeechHooks {
    // Switches the receiving-window tracking on or off.
    std::function<void(bool)> Seguiment;
    // The receiving window, 0 while none is known.
    std::function<platform::HWND()> FinestraReceptora;
    // True once the main window has been closed.
    std::function<bool()> Tancada;
};

// Reading aloud, and the engines and voices it reads with: the design's reading commands,
// the library's voice and speed, and the bridge program's start, restore and close.
class Speech {
  public:
    Speech(platform::Keyboard& keyboard, platform::Windows& windows, platform::Clipboard& clipboard,
           platform::Time& time, Engines& engines, SpeechParts parts, SpeechHooks hooks);

    // --- reading ---------------------------------------------------------------------------
    bool LlegirTecla(const std::string& text);
    // The key that scanning highlights, read as LlegirTecla reads but in the cue voice; the
    // library takes the voice with the text, so every other reading keeps the reading voice.
    bool LlegirTeclaEnEscaneig(const std::string& text, const scan::CueVoice& cue);
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
    // Disables the reading controls when the speech library is missing.
    void DesactivarControlsDeLectura();

    // --- engines and voices ------------------------------------------------------------------
    void RecarregarUpcTV();
    void AplicarVeu();
    void PopupDonaClick();
    void PopupHomeClick();
    void MenuUPCTVClick();
    // Catalan with the female voice is then said by the natural voice, where installed.
    void MenuVeuNaturalClick();
    void EditVelocitatChange();
    void ObrirVocelia();
    void MenuSapi51Click();
    void MenuIdiomaSapi51Click();
    // Start-up: the engine chosen at the last close, restored once the window is shown.
    void RestaurarSintetitzador();
    // Closing: tells the bridge that the keyboard is going and records the chosen engine.
    void TancarVocelia();

    // The speech status poll, on while a reading runs.
    Timer TimerStatusUpcTV;

  private:
    void DisposicioRepos();
    void DisposicioLectura();
    void DisposicioPausa();
    std::string HintLectura() const;
    void AplicarVelocitat();
    // The speed the speed field gives, the default while its text is none.
    int VelocitatTriada() const;
    bool ComencarLecturaDeTecla();
    void LlegirAmbVeuDAvis(const std::string& text, const scan::CueVoice& cue);
    void PortarFinestraReceptora();
    void CopiarTextReceptor();
    bool SeleccionarTot();
    void IniciarLectura();
    void ArrencadaFallida();

    platform::Keyboard& keyboard_;
    platform::Windows& windows_;
    platform::Clipboard& clipboard_;
    platform::Time& time_;
    Engines& engines_;
    SpeechParts parts_;
    SpeechHooks hooks_;
};

}  // namespace speech
