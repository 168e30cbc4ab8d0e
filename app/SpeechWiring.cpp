#include <QAction>
#include <QLineEdit>
#include <QToolButton>

#include "app/TFormPrincipal.h"

void TFormPrincipal::BuildSpeech() {
    speech = std::make_unique<speech::Speech>(
        desktop, desktop, desktop, desktop, programa,
        speech::SpeechParts{
            .FormPrincipal = this,
            .ButtonLectura = ButtonLectura,
            .ButtonPausa = ButtonPausa,
            .ButtonParar = ButtonParar,
            .EditVelocitat = EditVelocitat,
            .SpinEditTempsTimer = SpinEditTempsTimer,
            .MenuLlegirlateclaEnEscaneigAutomatic = MenuLlegirlateclaEnEscaneigAutomatic,
            .MenuLlegirElQueSEscriu = MenuLlegirElQueSEscriu,
            .MenuLlegeixLoDeLaCarpetaSensePosarHiRes = MenuLlegeixLoDeLaCarpetaSensePosarHiRes,
            .MenuLlegeixLoSeleccionat = MenuLlegeixLoSeleccionat,
            .MenuSeleccionaTotTeclesEstandar = MenuSeleccionaTotTeclesEstandar,
            .MenuSeleccionaAmbCtrlA = MenuSeleccionaAmbCtrlA,
            .MenuSeleccionaAmbCtrlE = MenuSeleccionaAmbCtrlE,
            .PopupLlenguatge = PopupLlenguatge,
            .PopupCatala = PopupCatala,
            .PopupVeuDe = PopupVeuDe,
            .PopupDona = PopupDona,
            .PopupHome = PopupHome,
            .MenuUPCTV = MenuUPCTV,
            .MenuSapi51 = MenuSapi51,
            .MenuIdiomaSapi51 = MenuIdiomaSapi51,
            .MenuVeuNatural = MenuVeuNatural,
        },
        speech::SpeechHooks{
            .Seguiment = [this](bool on) { tracking->TimerCercaHandleFinestra.SetEnabled(on); },
            .FinestraReceptora = [this] { return tracking->FinestraReceptora; },
            .Tancada = [this] { return Tancada(); },
        });
}

void TFormPrincipal::WireSpeech() {
    speech::Speech& reading = *speech;
    OnClick(PopupDona, [&reading] { reading.PopupDonaClick(); });
    OnClick(PopupHome, [&reading] { reading.PopupHomeClick(); });
    OnClick(MenuUPCTV, [&reading] { reading.MenuUPCTVClick(); });
    OnClick(MenuVeuNatural, [&reading] { reading.MenuVeuNaturalClick(); });
    OnClick(MenuLlegirElQueSEscriu, [&reading] { reading.MenuLlegirElQueSEscriuClick(); });
    OnClick(MenuLlegeixLoDeLaCarpetaSensePosarHiRes,
            [&reading] { reading.MenuLlegeixLoDeLaCarpetaSensePosarHiResClick(); });
    OnClick(MenuLlegeixLoSeleccionat, [&reading] { reading.MenuLlegeixLoSeleccionatClick(); });
    OnClick(MenuSeleccionaTotTeclesEstandar,
            [&reading] { reading.MenuSeleccionaTotTeclesEstandarClick(); });
    OnClick(MenuSeleccionaAmbCtrlA, [&reading] { reading.MenuSeleccionaAmbCtrlAClick(); });
    OnClick(MenuSeleccionaAmbCtrlE, [&reading] { reading.MenuSeleccionaAmbCtrlEClick(); });
    connect(ButtonLectura, &QToolButton::clicked, this,
            [&reading] { reading.ButtonLecturaClick(); });
    connect(ButtonPausa, &QToolButton::clicked, this, [&reading] { reading.ButtonPausaClick(); });
    connect(ButtonParar, &QToolButton::clicked, this, [&reading] { reading.ButtonPararClick(); });
    // Also on texts set by the program, as the reset to "100" relies on.
    connect(EditVelocitat, &QLineEdit::textChanged, this,
            [&reading] { reading.EditVelocitatChange(); });
    programa.vocelia.SetKeyboardWindow([this] { return desktop.HandleOf(this); });
    OnClick(MenuSapi51, [&reading] { reading.MenuSapi51Click(); });
    OnClick(MenuIdiomaSapi51, [&reading] { reading.MenuIdiomaSapi51Click(); });
}
