#pragma once

#include <string>
#include <string_view>

#include "predict/Letters.h"

namespace predict {

// What to type when the user chooses the prediction `word` while `typed` is
// the word being typed: the rest of the word, then a blank unless the word is
// an elision ("l'") that the next word joins. The middle dot of l·l is typed
// as `middleDot`: kFullStop where the keyboard layout has no middle dot.
// Empty when `word` does not continue `typed`.
std::string Completion(std::string_view typed, std::string_view word, char middleDot = kMiddleDot);

}  // namespace predict
