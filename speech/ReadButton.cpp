#include <QAction>

#include "platform/Constants.h"
#include "speech/Speech.h"
#include "speech/SpeechDesign.h"
#include "speech/TextCarpeta.h"
#include "ui/UnitTools.h"

using platform::KEYEVENTF_KEYUP;
using platform::VK_CONTROL;
using platform::VK_END;
using platform::VK_HOME;
using platform::VK_INSERT;
using platform::VK_SHIFT;

namespace speech {

namespace {

void Premer(platform::Keyboard& keyboard, uint8_t vk) { keyboard.keybd_event(vk, 0, 0, 0); }
void Deixar(platform::Keyboard& keyboard, uint8_t vk) {
    keyboard.keybd_event(vk, 0, KEYEVENTF_KEYUP, 0);
}

// Control pressed, the key pressed and released, Control released.
void AmbControl(platform::Keyboard& keyboard, uint8_t vk) {
    Premer(keyboard, VK_CONTROL);
    Premer(keyboard, vk);
    Deixar(keyboard, vk);
    Deixar(keyboard, VK_CONTROL);
}

uint8_t TeclaDeLletra(platform::Keyboard& keyboard, char letter) {
    return static_cast<uint8_t>(keyboard.VkKeyScanA(letter) & 0xFF);
}

}  // namespace

void Speech::ButtonLecturaClick() {
    hooks_.Seguiment(false);
    DisposicioLectura();
    PortarFinestraReceptora();
    if (engines_.LecturaPausada) {
        engines_.motor->Resume();
        // The poll may have stopped during the pause; it has to see this reading end.
        engines_.LecturaEnCurs = true;
        TimerStatusUpcTV.SetEnabled(true);
    } else {
        IniciarLectura();
    }
    engines_.LecturaPausada = false;
    hooks_.Seguiment(true);
}

void Speech::PortarFinestraReceptora() {
    const platform::HWND receiver = hooks_.FinestraReceptora();
    if (!receiver) return;
    windows_.BringWindowToTop(receiver);
    windows_.ProcessMessages();
}

void Speech::IniciarLectura() {
    if (!parts_.MenuLlegeixLoDeLaCarpetaSensePosarHiRes->isChecked()) CopiarTextReceptor();
    TimerStatusUpcTV.SetEnabled(true);
    if (ComprovarStatus()) {
        ArrencadaFallida();
        return;
    }
    // The idle answer of the status check has just taken the idle layout and the timer.
    DisposicioLectura();
    TimerStatusUpcTV.SetEnabled(true);
    engines_.LecturaEnCurs = true;
    LlegirText(TextCarpeta(clipboard_));
}

// Selects and copies the receiving window's text as the checked mode says.
void Speech::CopiarTextReceptor() {
    const bool seleccionat = SeleccionarTot();
    Espera(time_, kEsperaSeleccioMs);
    AmbControl(keyboard_, VK_INSERT);
    Espera(time_, kEsperaCopiaMs);
    // Leaves the caret at the start of the text rather than the whole text highlighted.
    if (seleccionat) AmbControl(keyboard_, VK_HOME);
    windows_.ProcessMessages();
}

// False when nothing was selected: the mode copies what the user has selected already.
bool Speech::SeleccionarTot() {
    if (parts_.MenuLlegeixLoSeleccionat->isChecked()) return false;
    if (parts_.MenuSeleccionaTotTeclesEstandar->isChecked()) {
        AmbControl(keyboard_, VK_HOME);
        Premer(keyboard_, VK_SHIFT);
        AmbControl(keyboard_, VK_END);
        Deixar(keyboard_, VK_SHIFT);
        return true;
    }
    if (parts_.MenuSeleccionaAmbCtrlA->isChecked()) {
        AmbControl(keyboard_, TeclaDeLletra(keyboard_, 'A'));
        return true;
    }
    if (parts_.MenuSeleccionaAmbCtrlE->isChecked()) {
        AmbControl(keyboard_, TeclaDeLletra(keyboard_, 'E'));
        return true;
    }
    return false;
}

void Speech::ArrencadaFallida() {
    engines_.LecturaEnCurs = false;
    DisposicioRepos();
    TimerStatusUpcTV.SetEnabled(false);
    windows_.MessageBoxA(parts_.FormPrincipal, kMissatgeSenseSo, kTitolSenseSo,
                         platform::MB_OK | platform::MB_ICONWARNING);
    if (const platform::HWND receiver = hooks_.FinestraReceptora()) {
        windows_.BringWindowToTop(receiver);
    }
}

void Speech::ButtonPausaClick() {
    DisposicioPausa();
    engines_.LecturaPausada = true;
    engines_.motor->Pause();
}

}  // namespace speech
