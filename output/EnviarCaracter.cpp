#include <QToolButton>

#include "output/CharacterClasses.h"
#include "output/KeyEvents.h"
#include "output/ReceivingWindow.h"
#include "output/Tracking.h"
#include "output/Typing.h"
#include "text/Case.h"

using platform::VK_CONTROL;
using platform::VK_MENU;
using platform::VK_SHIFT;

namespace output {

// Caps lock or the one-shot shift asks for a capital.
bool Typing::Majuscula() const {
    return parts_.ButtonBloqMajuscules->isChecked() || parts_.ButtonShift->isChecked();
}

// A one-shot shift is used up by the character it shifted (its button rises without its
// handler); caps lock stays.
void Typing::GastarShift() {
    if (!parts_.ButtonBloqMajuscules->isChecked()) parts_.ButtonShift->setChecked(false);
}

// Shift goes down for the next letter when caps lock or the one-shot shift is on.
void Typing::ShiftOn() {
    if (Majuscula()) Premer(keyboard_, VK_SHIFT);
}

// Shift comes up again, and a one-shot shift is used up.
void Typing::ShiftOff() {
    if (!Majuscula()) return;
    Alliberar(keyboard_, VK_SHIFT);
    GastarShift();
}

// The accent is a dead key typed before Shift, so that a capital comes out as accent, then
// Shift with the plain vowel.
void Typing::TeclejarVocalAccentuada(char accent, char vowel) {
    Pulsar(keyboard_, TeclaDe(keyboard_, accent));
    ShiftOn();
    Pulsar(keyboard_, TeclaDe(keyboard_, PlainVowel(vowel)));
    ShiftOff();
}

// The keystrokes of each class, laid out for the Spanish layout.
void Typing::TeclejarAlTeclatEspanyol(char character) {
    platform::Keyboard& keyboard = keyboard_;
    switch (ClassOf(character)) {
        case CharacterClass::GraveVowel:
            TeclejarVocalAccentuada(kGraveAccent, character);
            break;
        case CharacterClass::AcuteVowel:
            TeclejarVocalAccentuada(kAcuteAccent, character);
            break;
        case CharacterClass::AtSign:
            // AltGr, as Windows understands Alt with Control.
            Premer(keyboard, VK_MENU);
            Premer(keyboard, VK_CONTROL);
            Pulsar(keyboard, TeclaDe(keyboard, character));
            Alliberar(keyboard, VK_CONTROL);
            Alliberar(keyboard, VK_MENU);
            break;
        case CharacterClass::UnshiftedSign:
        case CharacterClass::DigitOrPoint:
            Pulsar(keyboard, TeclaDe(keyboard, character));
            break;
        case CharacterClass::ShiftedSign:
            Premer(keyboard, VK_SHIFT);
            Pulsar(keyboard, TeclaDe(keyboard, character));
            Alliberar(keyboard, VK_SHIFT);
            break;
        case CharacterClass::Other:
            ShiftOn();
            Pulsar(keyboard, TeclaDe(keyboard, character));
            ShiftOff();
            break;
    }
}

// Any other layout types the character as written; the toggles give the case of the classes
// that Shift reaches on the Spanish layout, and a one-shot shift is used up as there.
// False when the desktop could not type it.
bool Typing::TeclejarTalComEsEscriu(char character) {
    if (!UsesToggles(ClassOf(character))) {
        return keyboard_.TypeCharacter(character);
    }
    const bool capital = Majuscula();
    const bool typed =
        keyboard_.TypeCharacter(capital ? text::ToCapital(character) : text::ToSmall(character));
    if (capital) GastarShift();
    return typed;
}

void Typing::EnviarTecla(uint8_t vk) {
    if (!PortarAlDavant(windows_, tracking_.FinestraReceptora)) return;
    Pulsar(keyboard_, vk);
}

void Typing::EnviarCaracter(char character) {
    if (keyboard_.SpanishLayoutActive()) {
        TeclejarAlTeclatEspanyol(character);
    } else if (!TeclejarTalComEsEscriu(character)) {
        caracterOmes_ = true;
    }
}

}  // namespace output
