#pragma once

#include <ostream>
#include <vector>

#include "analysis/DecodedText.h"
#include "keys/KeyNode.h"
#include "keys/SpecialKeys.h"

namespace analysis {

struct BuiltKeyboard {
    keys::KeyForest keys;  // without the special keys: the program adds them on loading
    double sampleActions;  // scan actions per character on the texts' sample
};

// Builds a keyboard for single-switch scanning from texts of the language it is for: the
// syllables, pieces of words and whole words (with their blank) that save most, with every
// letter and accented vowel, the most used keys in the places that take fewest actions, and
// the built-in keyboard's group of digits and signs last. Several choices are tried; every
// tenth line of the texts is kept out of the choosing to measure them on, and the best is
// kept. No more than `mostKeys` keys are chosen besides those of the trailing groups. Reports
// each try's figure to `progress`.
BuiltKeyboard BuildKeyboard(const std::vector<DecodedText>& texts, keys::KeyLanguage language,
                            size_t mostKeys, std::ostream& progress);

}  // namespace analysis
