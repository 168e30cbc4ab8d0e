#include "speech/EngineBinding.h"

#include <QAction>
#include <QLineEdit>
#include <QMenu>
#include <QToolButton>

#include "app/TFormPrincipal.h"
#include "platform/Constants.h"
#include "platform/Cp1252.h"
#include "speech/SpeechDesign.h"
#include "speech/SpeechText.h"

void CarregarUpcTV(Programa& programa) {
    if (programa.upctv.Load()) programa.upctv.SetSpeed(speech::kVelocitatPerDefecte);
}

void TFormPrincipal::WireSpeech() {
    OnClick(PopupDona, &TFormPrincipal::PopupDonaClick);
    OnClick(PopupHome, &TFormPrincipal::PopupHomeClick);
    OnClick(MenuUPCTV, &TFormPrincipal::MenuUPCTVClick);
    OnClick(MenuLlegirElQueSEscriu, &TFormPrincipal::MenuLlegirElQueSEscriuClick);
    OnClick(MenuLlegeixLoDeLaCarpetaSensePosarHiRes,
            &TFormPrincipal::MenuLlegeixLoDeLaCarpetaSensePosarHiResClick);
    OnClick(MenuLlegeixLoSeleccionat, &TFormPrincipal::MenuLlegeixLoSeleccionatClick);
    OnClick(MenuSeleccionaTotTeclesEstandar, &TFormPrincipal::MenuSeleccionaTotTeclesEstandarClick);
    OnClick(MenuSeleccionaAmbCtrlA, &TFormPrincipal::MenuSeleccionaAmbCtrlAClick);
    OnClick(MenuSeleccionaAmbCtrlE, &TFormPrincipal::MenuSeleccionaAmbCtrlEClick);
    connect(ButtonLectura, &QToolButton::clicked, this, [this] { ButtonLecturaClick(); });
    connect(ButtonPausa, &QToolButton::clicked, this, [this] { ButtonPausaClick(); });
    connect(ButtonParar, &QToolButton::clicked, this, [this] { ButtonPararClick(); });
    // Also on texts set by the program, as the reset to "100" relies on.
    connect(EditVelocitat, &QLineEdit::textChanged, this, [this] { EditVelocitatChange(); });
}

void TFormPrincipal::RecarregarUpcTV() {
    if (!programa.upctv.Loaded()) return;
    programa.upctv.Free();
    if (!programa.upctv.Load()) {
        desktop.MessageBoxA(this, speech::kMissatgeSenseLectura, speech::kTitolSenseLectura,
                            platform::MB_OK | platform::MB_ICONINFORMATION);
        DesactivarControlsDeLectura();
        // Nothing can go on or be resumed in a library that is gone.
        programa.LecturaPausada = false;
        ButtonPararClick();
        return;
    }
    AplicarVelocitat();
}

void TFormPrincipal::AplicarVeu() {
    if (programa.LecturaEnCurs) {
        programa.upctv.Stop();
        programa.LecturaEnCurs = false;
    }
    RecarregarUpcTV();
    if (!programa.upctv.Loaded() || !ButtonLectura->isEnabled()) return;
    const speech::CodisDeVeu codis =
        speech::CodisPerA(PopupCatala->isChecked(), PopupDona->isChecked());
    programa.upctv.SetLanguage(codis.llengua);
    programa.upctv.SetSpeaker(codis.locutor);
}

void TFormPrincipal::PopupDonaClick() {
    PopupHome->setChecked(false);
    PopupDona->setChecked(true);
    AplicarVeu();
}

void TFormPrincipal::PopupHomeClick() {
    PopupDona->setChecked(false);
    PopupHome->setChecked(true);
    AplicarVeu();
}

void TFormPrincipal::MenuUPCTVClick() {
    if (MenuUPCTV->isChecked()) return;
    MenuUPCTV->setChecked(true);
    programa.motor = &programa.motorUpcTV;
    // The voices stay out of reach while there is no library to speak them.
    PopupVeuDe->setEnabled(programa.upctv.Loaded());
    MenuSapi51->setChecked(false);
    MenuIdiomaSapi51->setEnabled(false);
}

void TFormPrincipal::EditVelocitatChange() {
    if (programa.LecturaEnCurs) ButtonPararClick();
    AplicarVelocitat();
}

void TFormPrincipal::AplicarVelocitat() {
    const int velocitat = speech::ConvertirVelocitat(platform::FromQString(EditVelocitat->text()));
    if (velocitat < speech::kVelocitatMinima || velocitat > speech::kVelocitatMaxima) {
        // Runs the handler again with a valid text, which passes the default speed.
        EditVelocitat->setText(QString::number(speech::kVelocitatPerDefecte));
        programa.upctv.SetSpeed(speech::kVelocitatPerDefecte);
        return;
    }
    programa.upctv.SetSpeed(velocitat);
}
