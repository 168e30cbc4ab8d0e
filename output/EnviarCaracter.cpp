#include <QToolButton>

#include "app/TFormPrincipal.h"
#include "output/CharacterClasses.h"
#include "output/KeyEvents.h"
#include "output/ReceivingWindow.h"
#include "text/Case.h"

using output::Alliberar;
using output::Premer;
using output::Pulsar;
using output::TeclaDe;
using platform::VK_CONTROL;
using platform::VK_MENU;
using platform::VK_SHIFT;

namespace {

// Caps lock or the one-shot shift asks for a capital.
bool Majuscula(const TFormPrincipal& form) {
    return form.ButtonBloqMajuscules->isChecked() || form.ButtonShift->isChecked();
}

// A one-shot shift is used up by the character it shifted (its button rises without its
// handler); caps lock stays.
void GastarShift(TFormPrincipal& form) {
    if (!form.ButtonBloqMajuscules->isChecked()) form.ButtonShift->setChecked(false);
}

// Shift goes down for the next letter when caps lock or the one-shot shift is on.
void ShiftOn(TFormPrincipal& form) {
    if (Majuscula(form)) Premer(form.desktop, VK_SHIFT);
}

// Shift comes up again, and a one-shot shift is used up.
void ShiftOff(TFormPrincipal& form) {
    if (!Majuscula(form)) return;
    Alliberar(form.desktop, VK_SHIFT);
    GastarShift(form);
}

// The accent is a dead key typed before Shift, so that a capital comes out as accent, then
// Shift with the plain vowel.
void TeclejarVocalAccentuada(TFormPrincipal& form, char accent, char vowel) {
    Pulsar(form.desktop, TeclaDe(form.desktop, accent));
    ShiftOn(form);
    Pulsar(form.desktop, TeclaDe(form.desktop, output::PlainVowel(vowel)));
    ShiftOff(form);
}

// The keystrokes of each class, laid out for the Spanish layout.
void TeclejarAlTeclatEspanyol(TFormPrincipal& form, char character) {
    platform::Desktop& desktop = form.desktop;
    using output::CharacterClass;
    switch (output::ClassOf(character)) {
        case CharacterClass::GraveVowel:
            TeclejarVocalAccentuada(form, output::kGraveAccent, character);
            break;
        case CharacterClass::AcuteVowel:
            TeclejarVocalAccentuada(form, output::kAcuteAccent, character);
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
            ShiftOn(form);
            Pulsar(desktop, TeclaDe(desktop, character));
            ShiftOff(form);
            break;
    }
}

// Any other layout types the character as written; the toggles give the case of the classes
// that Shift reaches on the Spanish layout, and a one-shot shift is used up as there.
// False when the desktop could not type it.
bool TeclejarTalComEsEscriu(TFormPrincipal& form, char character) {
    if (!output::UsesToggles(output::ClassOf(character))) {
        return form.desktop.TypeCharacter(character);
    }
    const bool capital = Majuscula(form);
    const bool typed =
        form.desktop.TypeCharacter(capital ? text::ToCapital(character) : text::ToSmall(character));
    if (capital) GastarShift(form);
    return typed;
}

}  // namespace

void TFormPrincipal::EnviarTecla(uint8_t vk) {
    if (!output::PortarAlDavant(desktop, FinestraReceptora)) return;
    Pulsar(desktop, vk);
}

void TFormPrincipal::EnviarCaracter(char character) {
    if (desktop.SpanishLayoutActive()) {
        TeclejarAlTeclatEspanyol(*this, character);
    } else if (!TeclejarTalComEsEscriu(*this, character)) {
        caracterOmes_ = true;
    }
}
