#include <QAction>

#include "platform/profile/ProfileFiles.h"
#include "speech/Speech.h"
#include "speech/SpeechDesign.h"
#include "speech/SpeechText.h"

namespace speech {

bool Speech::LlegirTecla(const std::string& text) {
    // With the library engine chosen but no library there is nothing to read with; the
    // toolbar must not pretend a reading for the length of a status poll.
    if (!engines_.motor->Available()) return false;
    if (engines_.LecturaEnCurs) ButtonPararClick();
    if (ComprovarStatus()) return false;
    DisposicioLectura();
    engines_.LecturaEnCurs = true;
    TimerStatusUpcTV.SetEnabled(true);
    LlegirText(text);
    engines_.LecturaPausada = false;
    return true;
}

void Speech::LlegirText(const std::string& text) { engines_.motor->Read(PrepararText(text)); }

bool Speech::ComprovarStatus() {
    if (engines_.motor->Busy()) return true;
    TimerStatusUpcTV.SetEnabled(false);
    if (!engines_.LecturaPausada) ButtonPararClick();
    return false;
}

void Speech::TimerStatusUpcTVTimer() {
    // A tick already queued when the timer was switched off must not end a new reading.
    if (TimerStatusUpcTV.Enabled()) ComprovarStatus();
}

void Speech::ButtonPararClick() {
    engines_.motor->Stop();
    engines_.LecturaEnCurs = false;
    DisposicioRepos();
    TimerStatusUpcTV.SetEnabled(false);
}

}  // namespace speech
