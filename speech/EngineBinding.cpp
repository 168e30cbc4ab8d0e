#include "speech/EngineBinding.h"

#include <QAction>
#include <QLineEdit>
#include <QMenu>
#include <QToolButton>

#include "platform/Constants.h"
#include "platform/Cp1252.h"
#include "speech/Speech.h"
#include "speech/SpeechDesign.h"
#include "speech/SpeechText.h"

namespace speech {

void CarregarUpcTV(Engines& engines) {
    if (engines.upctv.Load()) engines.upctv.SetSpeed(kVelocitatPerDefecte);
}

void Speech::RecarregarUpcTV() {
    if (!engines_.upctv.Loaded()) return;
    engines_.upctv.Free();
    if (!engines_.upctv.Load()) {
        windows_.MessageBoxA(parts_.FormPrincipal, kMissatgeSenseLectura, kTitolSenseLectura,
                             platform::MB_OK | platform::MB_ICONINFORMATION);
        DesactivarControlsDeLectura();
        // Nothing can go on or be resumed in a library that is gone.
        engines_.LecturaPausada = false;
        ButtonPararClick();
        return;
    }
    AplicarVelocitat();
}

void Speech::AplicarVeu() {
    if (engines_.LecturaEnCurs) {
        engines_.upctv.Stop();
        engines_.LecturaEnCurs = false;
    }
    RecarregarUpcTV();
    if (!engines_.upctv.Loaded() || !parts_.ButtonLectura->isEnabled()) return;
    const CodisDeVeu codis =
        CodisPerA(parts_.PopupCatala->isChecked(), parts_.PopupDona->isChecked());
    engines_.upctv.SetLanguage(codis.llengua);
    engines_.upctv.SetSpeaker(codis.locutor);
    // Sent only when asked for, so that the designed voice calls stay as they are.
    if (parts_.MenuVeuNatural->isChecked()) engines_.upctv.SetNaturalVoice(true);
}

void Speech::PopupDonaClick() {
    parts_.PopupHome->setChecked(false);
    parts_.PopupDona->setChecked(true);
    AplicarVeu();
}

void Speech::PopupHomeClick() {
    parts_.PopupDona->setChecked(false);
    parts_.PopupHome->setChecked(true);
    AplicarVeu();
}

void Speech::MenuUPCTVClick() {
    if (parts_.MenuUPCTV->isChecked()) return;
    parts_.MenuUPCTV->setChecked(true);
    engines_.motor = &engines_.motorUpcTV;
    // The voices stay out of reach while there is no library to speak them.
    parts_.PopupVeuDe->setEnabled(engines_.upctv.Loaded());
    parts_.MenuSapi51->setChecked(false);
    parts_.MenuIdiomaSapi51->setEnabled(false);
}

void Speech::MenuVeuNaturalClick() {
    const bool on = !parts_.MenuVeuNatural->isChecked();
    parts_.MenuVeuNatural->setChecked(on);
    if (!on) engines_.upctv.SetNaturalVoice(false);
    AplicarVeu();
}

void Speech::EditVelocitatChange() {
    if (engines_.LecturaEnCurs) ButtonPararClick();
    AplicarVelocitat();
}

int Speech::VelocitatTriada() const {
    const int velocitat = ConvertirVelocitat(platform::FromQString(parts_.EditVelocitat->text()));
    const bool valida = velocitat >= kVelocitatMinima && velocitat <= kVelocitatMaxima;
    return valida ? velocitat : kVelocitatPerDefecte;
}

void Speech::AplicarVelocitat() {
    const int velocitat = ConvertirVelocitat(platform::FromQString(parts_.EditVelocitat->text()));
    if (velocitat < kVelocitatMinima || velocitat > kVelocitatMaxima) {
        // Runs the handler again with a valid text, which passes the default speed.
        parts_.EditVelocitat->setText(QString::number(kVelocitatPerDefecte));
        engines_.upctv.SetSpeed(kVelocitatPerDefecte);
        return;
    }
    engines_.upctv.SetSpeed(velocitat);
}

}  // namespace speech
