#include "analysis/KeyAlphabet.h"

#include "keys/KeyKind.h"
#include "text/Case.h"

namespace analysis {
namespace {

// In alphabetical order: à á after a, ç after c, è é after e, í after i, ñ after n, ò ó after
// o, ú after u.
constexpr std::string_view kLetters =
    "a\xE0\xE1"
    "bc\xE7"
    "de\xE8\xE9"
    "fghi\xED"
    "jklmn\xF1"
    "o\xF2\xF3"
    "pqrstu\xFA"
    "vwxyz";
constexpr std::string_view kSigns = "0123456789.+-*/='?!()\"%$@ \xBF\xA1\xBA\xAA,;:\xB7";
constexpr std::string_view kPunctuation = ",;:";
constexpr char kMiddleDot = '\xB7';
constexpr char kIDiaeresis = '\xEF';
constexpr char kUDiaeresis = '\xFC';
constexpr std::string_view kVowels = "aeiou\xE0\xE1\xE8\xE9\xED\xF2\xF3\xFA";

// No syllable of Catalan or Castilian begins with s and a consonant: the s closes the syllable
// before ("es-pe-ra"), so a key beginning so would only cut words where no one parts them.
bool BeginsWithSAndAConsonant(std::string_view small) {
    return small.size() > 1 && small[0] == 's' && IsKeyLetter(small[1]) &&
           kVowels.find(small[1]) == std::string_view::npos;
}

}  // namespace

bool IsKeyLetter(char small) { return kLetters.find(small) != std::string_view::npos; }

bool IsKeyCharacter(char small) {
    return IsKeyLetter(small) || kSigns.find(small) != std::string_view::npos;
}

bool CanBeKeyText(std::string_view small) {
    if (small.empty() || small.front() == ' ' || BeginsWithSAndAConsonant(small)) return false;
    for (size_t i = 0; i < small.size(); ++i) {
        if (!IsKeyCharacter(small[i])) return false;
        if (small[i] == ' ' && i + 1 != small.size()) return false;
    }
    const keys::KeyKind kind = keys::KindOf(false, text::ToCapital(small));
    return kind != keys::KeyKind::Special && kind != keys::KeyKind::Space;
}

const std::vector<std::string>& Alphabet() {
    static const std::vector<std::string> letters = [] {
        std::vector<std::string> each;
        for (char letter : kLetters) each.emplace_back(1, letter);
        return each;
    }();
    return letters;
}

std::vector<std::string> DiaeresisLetters(keys::KeyLanguage language) {
    if (language == keys::KeyLanguage::Catalan) return {{kIDiaeresis}, {kUDiaeresis}};
    return {{kUDiaeresis}};
}

std::vector<std::string> EverydaySigns(keys::KeyLanguage language) {
    std::vector<std::string> signs;
    for (char sign : kPunctuation) signs.emplace_back(1, sign);
    if (language == keys::KeyLanguage::Catalan) signs.emplace_back(1, kMiddleDot);
    return signs;
}

}  // namespace analysis
