#include <QToolButton>

#include "app/TFormPrincipal.h"
#include "output/CharacterClasses.h"
#include "output/KeyEvents.h"
#include "output/ReceivingWindow.h"

using output::Alliberar;
using output::Premer;
using output::Pulsar;
using output::TeclaDe;
using platform::VK_CONTROL;
using platform::VK_MENU;
using platform::VK_SHIFT;

namespace {

// Shift goes down for the next letter when caps lock or the one-shot shift is on.
void ShiftOn(TFormPrincipal& form) {
    if (form.ButtonBloqMajuscules->isChecked() || form.ButtonShift->isChecked()) {
        Premer(form.desktop, VK_SHIFT);
    }
}

// Shift comes up again; a one-shot shift is used up (its button rises without its handler).
void ShiftOff(TFormPrincipal& form) {
    if (form.ButtonBloqMajuscules->isChecked()) {
        Alliberar(form.desktop, VK_SHIFT);
    } else if (form.ButtonShift->isChecked()) {
        Alliberar(form.desktop, VK_SHIFT);
        form.ButtonShift->setChecked(false);
    }
}

// The accent is a dead key typed before Shift, so that a capital comes out as accent, then
// Shift with the plain vowel.
void TeclejarVocalAccentuada(TFormPrincipal& form, char accent, char vowel) {
    Pulsar(form.desktop, TeclaDe(form.desktop, accent));
    ShiftOn(form);
    Pulsar(form.desktop, TeclaDe(form.desktop, output::PlainVowel(vowel)));
    ShiftOff(form);
}

}  // namespace

void TFormPrincipal::EnviarTecla(uint8_t vk) {
    if (!output::PortarAlDavant(desktop, FinestraReceptora)) return;
    Pulsar(desktop, vk);
}

void TFormPrincipal::EnviarCaracter(char character) {
    using output::CharacterClass;
    switch (output::ClassOf(character)) {
        case CharacterClass::GraveVowel:
            TeclejarVocalAccentuada(*this, output::kGraveAccent, character);
            break;
        case CharacterClass::AcuteVowel:
            TeclejarVocalAccentuada(*this, output::kAcuteAccent, character);
            break;
        case CharacterClass::AtSign:
            // AltGr, as Windows understands Alt with Control.
            Premer(desktop, VK_MENU);
            Premer(desktop, VK_CONTROL);
            Pulsar(desktop, TeclaDe(desktop, character));
            Alliberar(desktop, VK_CONTROL);
            Alliberar(desktop, VK_MENU);
            break;
        case CharacterClass::UnshiftedSign:
        case CharacterClass::DigitOrPoint:
            Pulsar(desktop, TeclaDe(desktop, character));
            break;
        case CharacterClass::ShiftedSign:
            Premer(desktop, VK_SHIFT);
            Pulsar(desktop, TeclaDe(desktop, character));
            Alliberar(desktop, VK_SHIFT);
            break;
        case CharacterClass::Other:
            ShiftOn(*this);
            Pulsar(desktop, TeclaDe(desktop, character));
            ShiftOff(*this);
            break;
    }
}
