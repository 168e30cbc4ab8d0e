#pragma once

#include <cstddef>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace predict {

// Longer runs of letters are taken for codes or noise, not words.
inline constexpr std::size_t kMaxWordLength = 30;

// A word as prediction knows it: small Windows-1252 letters (see Letters.h),
// the geminate l·l written with the middle dot. Catalan apostrophes split
// words where the language does: an elided article or particle is a word of
// its own ending in the apostrophe ("l'home" is "l'" then "home", "d'aigua"
// is "d'" then "aigua"), and a pronoun after a verb is one beginning with it
// ("porta'l" is "porta" then "'l").
struct Word {
    std::string text;
    // The word this one follows within a phrase: separated from it by blanks
    // or hyphens only, or by nothing (after an elision, before a pronoun).
    // Empty at the start of a text and after any other sign.
    std::string previous;
    std::size_t begin = 0;  // where the word lies in the text split
    std::size_t end = 0;
};

// Whether a text is complete or may go on, as the text typed so far does:
// then its last characters are the word being typed, not a finished word,
// and "l." at its end may be the beginning of "l.l" (l·l typed where the
// keyboard layout has no middle dot).
enum class TextEnd { Closed, Open };

struct SplitText {
    std::vector<Word> words;  // the finished words, in order
    // Open texts only: the word the text ends in, empty when the text ends
    // between words; nothing when its last characters cannot make a word
    // (a digit or a foreign letter among them, or too many letters).
    std::optional<Word> typing;
};

// Splits Windows-1252 text into words. Capitals count as small letters;
// digits and foreign letters make the run of letters they are in no word.
SplitText SplitWords(std::string_view text, TextEnd end);

// Whether a text is one word exactly as SplitWords gives it.
bool IsWord(std::string_view text);

}  // namespace predict
