#include <QAction>

#include "app/TFormPrincipal.h"
#include "platform/profile/ProfileFiles.h"
#include "speech/SpeechDesign.h"
#include "speech/SpeechText.h"

bool TFormPrincipal::LlegirTecla(const std::string& text) {
    // With the library engine chosen but no library there is nothing to read with; the
    // toolbar must not pretend a reading for the length of a status poll.
    if (!programa.motor->Available()) return false;
    if (programa.LecturaEnCurs) ButtonPararClick();
    if (ComprovarStatus()) return false;
    DisposicioLectura();
    programa.LecturaEnCurs = true;
    TimerStatusUpcTV.SetEnabled(true);
    LlegirText(text);
    programa.LecturaPausada = false;
    return true;
}

void TFormPrincipal::LlegirText(const std::string& text) {
    programa.motor->Read(speech::PrepararText(text));
}

bool TFormPrincipal::ComprovarStatus() {
    if (programa.motor->Busy()) return true;
    TimerStatusUpcTV.SetEnabled(false);
    if (!programa.LecturaPausada) ButtonPararClick();
    return false;
}

void TFormPrincipal::TimerStatusUpcTVTimer() {
    // A tick already queued when the timer was switched off must not end a new reading.
    if (TimerStatusUpcTV.Enabled()) ComprovarStatus();
}

void TFormPrincipal::ButtonPararClick() {
    programa.motor->Stop();
    programa.LecturaEnCurs = false;
    DisposicioRepos();
    TimerStatusUpcTV.SetEnabled(false);
}
