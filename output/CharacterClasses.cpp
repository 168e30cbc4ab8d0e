#include "output/CharacterClasses.h"

#include <string>
#include <string_view>

namespace output {
namespace {

// Capitals then small letters, both in the order a, e, i, o, u.
constexpr std::string_view kGraveVowels = "\xC0\xC8\xCC\xD2\xD9\xE0\xE8\xEC\xF2\xF9";
constexpr std::string_view kAcuteVowels = "\xC1\xC9\xCD\xD3\xDA\xE1\xE9\xED\xF3\xFA";
constexpr std::string_view kPlainVowels = "aeiou";
// The comma, semicolon, colon and middle dot of everyday writing have no capital: they keep
// their own form whatever the toggles say, so that a keyboard file can hold them.
constexpr std::string_view kUnshiftedSigns = "'\xBA\xA1+-,";
constexpr std::string_view kShiftedSigns = "=!%&$\"\xAA?\xBF()*/;:\xB7";
constexpr std::string_view kDigitsAndPoint = "0123456789.";

bool In(std::string_view set, char character) {
    return set.find(character) != std::string_view::npos;
}

}  // namespace

CharacterClass ClassOf(char character) {
    if (In(kGraveVowels, character)) return CharacterClass::GraveVowel;
    if (In(kAcuteVowels, character)) return CharacterClass::AcuteVowel;
    if (character == '@') return CharacterClass::AtSign;
    if (In(kUnshiftedSigns, character)) return CharacterClass::UnshiftedSign;
    if (In(kShiftedSigns, character)) return CharacterClass::ShiftedSign;
    if (In(kDigitsAndPoint, character)) return CharacterClass::DigitOrPoint;
    return CharacterClass::Other;
}

bool UsesToggles(CharacterClass characterClass) {
    return characterClass == CharacterClass::GraveVowel ||
           characterClass == CharacterClass::AcuteVowel || characterClass == CharacterClass::Other;
}

char PlainVowel(char accented) {
    for (std::string_view vowels : {kGraveVowels, kAcuteVowels}) {
        const size_t at = vowels.find(accented);
        if (at != std::string_view::npos) return kPlainVowels[at % kPlainVowels.size()];
    }
    return accented;
}

}  // namespace output
