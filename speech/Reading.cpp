#include <QAction>
#include <algorithm>

#include "platform/profile/ProfileFiles.h"
#include "speech/Speech.h"
#include "speech/SpeechDesign.h"
#include "speech/SpeechText.h"

namespace speech {

bool Speech::LlegirTecla(const std::string& text) {
    if (!ComencarLecturaDeTecla()) return false;
    LlegirText(text);
    engines_.LecturaPausada = false;
    return true;
}

bool Speech::LlegirTeclaEnEscaneig(const std::string& text, const scan::CueVoice& cue) {
    if (!ComencarLecturaDeTecla()) return false;
    LlegirAmbVeuDAvis(text, cue);
    engines_.LecturaPausada = false;
    return true;
}

// False when nothing can be read now; otherwise the toolbar shows a reading and the status
// poll runs.
bool Speech::ComencarLecturaDeTecla() {
    // With the library engine chosen but no library there is nothing to read with; the
    // toolbar must not pretend a reading for the length of a status poll.
    if (!engines_.motor->Available()) return false;
    if (engines_.LecturaEnCurs) ButtonPararClick();
    if (ComprovarStatus()) return false;
    DisposicioLectura();
    engines_.LecturaEnCurs = true;
    TimerStatusUpcTV.SetEnabled(true);
    return true;
}

void Speech::LlegirText(const std::string& text) { engines_.motor->Read(PrepararText(text)); }

// The bridge reads with the voice the desktop's speech service has, which the keyboard does
// not set: there the cue sounds as every reading does.
void Speech::LlegirAmbVeuDAvis(const std::string& text, const scan::CueVoice& cue) {
    if (!cue.Differs() || engines_.motor != &engines_.motorUpcTV) {
        LlegirText(text);
        return;
    }
    const int velocitat = VelocitatTriada();
    const CodisDeVeu veu =
        CodisPerA(parts_.PopupCatala->isChecked(), parts_.PopupDona->isChecked());
    const CodisDeVeu altra =
        CodisPerA(parts_.PopupCatala->isChecked(), !parts_.PopupDona->isChecked());
    if (cue.speedPercent != 0) {
        engines_.upctv.SetSpeed(std::min(kVelocitatMaxima, velocitat * cue.speedPercent / 100));
    }
    if (cue.otherSpeaker) engines_.upctv.SetSpeaker(altra.locutor);
    LlegirText(text);
    if (cue.speedPercent != 0) engines_.upctv.SetSpeed(velocitat);
    if (cue.otherSpeaker) engines_.upctv.SetSpeaker(veu.locutor);
}

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
