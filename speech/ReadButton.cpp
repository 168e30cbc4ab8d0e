#include <QAction>

#include "app/TFormPrincipal.h"
#include "platform/Constants.h"
#include "speech/SpeechDesign.h"
#include "speech/TextCarpeta.h"

using platform::KEYEVENTF_KEYUP;
using platform::VK_CONTROL;
using platform::VK_END;
using platform::VK_HOME;
using platform::VK_INSERT;
using platform::VK_SHIFT;

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

void TFormPrincipal::ButtonLecturaClick() {
    TimerCercaHandleFinestra.SetEnabled(false);
    DisposicioLectura();
    PortarFinestraReceptora();
    if (programa.LecturaPausada) {
        programa.motor->Resume();
        // The poll may have stopped during the pause; it has to see this reading end.
        programa.LecturaEnCurs = true;
        TimerStatusUpcTV.SetEnabled(true);
    } else {
        IniciarLectura();
    }
    programa.LecturaPausada = false;
    TimerCercaHandleFinestra.SetEnabled(true);
}

void TFormPrincipal::PortarFinestraReceptora() {
    if (!FinestraReceptora) return;
    desktop.BringWindowToTop(FinestraReceptora);
    desktop.ProcessMessages();
}

void TFormPrincipal::IniciarLectura() {
    if (!MenuLlegeixLoDeLaCarpetaSensePosarHiRes->isChecked()) CopiarTextReceptor();
    TimerStatusUpcTV.SetEnabled(true);
    if (ComprovarStatus()) {
        ArrencadaFallida();
        return;
    }
    // The idle answer of the status check has just taken the idle layout and the timer.
    DisposicioLectura();
    TimerStatusUpcTV.SetEnabled(true);
    programa.LecturaEnCurs = true;
    LlegirText(speech::TextCarpeta(desktop));
}

// Selects and copies the receiving window's text as the checked mode says.
void TFormPrincipal::CopiarTextReceptor() {
    const bool seleccionat = SeleccionarTot();
    Espera(speech::kEsperaSeleccioMs);
    AmbControl(desktop, VK_INSERT);
    Espera(speech::kEsperaCopiaMs);
    // Leaves the caret at the start of the text rather than the whole text highlighted.
    if (seleccionat) AmbControl(desktop, VK_HOME);
    desktop.ProcessMessages();
}

// False when nothing was selected: the mode copies what the user has selected already.
bool TFormPrincipal::SeleccionarTot() {
    if (MenuLlegeixLoSeleccionat->isChecked()) return false;
    if (MenuSeleccionaTotTeclesEstandar->isChecked()) {
        AmbControl(desktop, VK_HOME);
        Premer(desktop, VK_SHIFT);
        AmbControl(desktop, VK_END);
        Deixar(desktop, VK_SHIFT);
        return true;
    }
    if (MenuSeleccionaAmbCtrlA->isChecked()) {
        AmbControl(desktop, TeclaDeLletra(desktop, 'A'));
        return true;
    }
    if (MenuSeleccionaAmbCtrlE->isChecked()) {
        AmbControl(desktop, TeclaDeLletra(desktop, 'E'));
        return true;
    }
    return false;
}

void TFormPrincipal::ArrencadaFallida() {
    programa.LecturaEnCurs = false;
    DisposicioRepos();
    TimerStatusUpcTV.SetEnabled(false);
    desktop.MessageBoxA(this, speech::kMissatgeSenseSo, speech::kTitolSenseSo,
                        platform::MB_OK | platform::MB_ICONWARNING);
    if (FinestraReceptora) desktop.BringWindowToTop(FinestraReceptora);
}

void TFormPrincipal::ButtonPausaClick() {
    DisposicioPausa();
    programa.LecturaPausada = true;
    programa.motor->Pause();
}
