#pragma once

namespace output {

// How a Windows-1252 character is typed on the Spanish layout, tested in this order.
enum class CharacterClass {
    GraveVowel,     // dead grave accent, then the plain vowel (shifted for capitals)
    AcuteVowel,     // dead acute accent, then the plain vowel (shifted for capitals)
    AtSign,         // Alt and Control held around the key of "@"
    UnshiftedSign,  // its own key, toggles ignored
    ShiftedSign,    // Shift held around its key, toggles ignored
    DigitOrPoint,   // its own key, toggles ignored
    Other,          // its own key, shifted as the toggles say
};

CharacterClass ClassOf(char character);

// Whether the case toggles act on the class: the accented vowels and all other characters.
bool UsesToggles(CharacterClass characterClass);

// For an accented vowel: the lower-case plain vowel typed after the accent.
char PlainVowel(char accented);

// The accent typed first for an accented vowel: "`" for grave, "´" for acute.
inline constexpr char kGraveAccent = '`';
inline constexpr char kAcuteAccent = '\xB4';

}  // namespace output
