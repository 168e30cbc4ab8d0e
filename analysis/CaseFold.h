#pragma once

#include <string>
#include <string_view>

namespace analysis {

// The case toggles, not the key, decide whether a letter comes out small or capital: a key
// "À" types "à" with the toggles up. So texts and keys are compared with every letter of
// Windows-1252 in small letters; characters without a case stay as they are.
char InSmallLetters(char character);
std::string InSmallLetters(std::string_view text);

// The capital of a small letter, for writing keys in capitals as keyboards show them.
char InCapitals(char character);
std::string InCapitals(std::string_view text);

}  // namespace analysis
