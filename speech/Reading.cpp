#include <QAction>

#include "app/TFormPrincipal.h"
#include "platform/profile/ProfileFiles.h"
#include "speech/SpeechDesign.h"
#include "speech/SpeechText.h"

bool TFormPrincipal::LlegirTecla(const std::string& text) {
    // With the library engine chosen but no library there is nothing to read with; the
    // toolbar must not pretend a reading for the length of a status poll.
    if (!MotorDisponible()) return false;
    if (programa.LecturaEnCurs) ButtonPararClick();
    if (ComprovarStatus()) return false;
    DisposicioLectura();
    programa.LecturaEnCurs = true;
    TimerStatusUpcTV.SetEnabled(true);
    LlegirText(text);
    LecturaPausada = false;
    return true;
}

void TFormPrincipal::LlegirText(const std::string& text) {
    const std::string spoken = speech::PrepararText(text);
    if (MenuSapi51->isChecked()) {
        EnviarAVocelia(spoken);
    } else {
        programa.upctv.Read(spoken);
    }
}

bool TFormPrincipal::ComprovarStatus() {
    if (MotorOcupat()) return true;
    TimerStatusUpcTV.SetEnabled(false);
    if (!LecturaPausada) ButtonPararClick();
    return false;
}

bool TFormPrincipal::MotorDisponible() const {
    return MenuSapi51->isChecked() || programa.upctv.Loaded();
}

bool TFormPrincipal::MotorOcupat() const {
    if (!MenuSapi51->isChecked()) return programa.upctv.Status() != 0;
    // Only the first character of the bridge's status counts; a missing or empty one is
    // silence, so that a bridge that never wrote its status cannot hold a reading forever.
    char status[2] = {};
    platform::GetPrivateProfileStringA(speech::kSeccioVocelia, speech::kClauStatus, "0", status,
                                       sizeof status, speech::kFitxerSuite);
    return status[0] != '\0' && status[0] != '0';
}

void TFormPrincipal::TimerStatusUpcTVTimer() {
    // A tick already queued when the timer was switched off must not end a new reading.
    if (TimerStatusUpcTV.Enabled()) ComprovarStatus();
}

void TFormPrincipal::ButtonPararClick() {
    programa.upctv.Stop();
    programa.LecturaEnCurs = false;
    DisposicioRepos();
    TimerStatusUpcTV.SetEnabled(false);
}
