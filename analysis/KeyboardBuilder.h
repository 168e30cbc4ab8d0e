#pragma once

#include <ostream>
#include <string>
#include <vector>

#include "analysis/DecodedText.h"
#include "analysis/KnownWords.h"
#include "keys/KeyNode.h"
#include "keys/SpecialKeys.h"

namespace analysis {

// Texts of one kind: manuals, everyday writing...
struct Register {
    std::string name;
    std::vector<DecodedText> texts;
};

struct BuiltKeyboard {
    keys::KeyForest keys;  // without the special keys: the program adds them on loading
    // Scan actions per character on the texts' sample, each register's, and their mean.
    std::vector<double> sampleByRegister;
    double sampleActions;
};

// Builds a keyboard for single-switch scanning from texts of the language it is for: the
// syllables, pieces of words and whole words (with their blank) that save most, with every
// letter and accented vowel, the most used keys in the places that take fewest actions, and
// the signs of everyday writing and the built-in keyboard's group of digits and signs last.
// Every register weighs as much as the largest, and a key must save actions in two of them
// when there are several. With `known`, only the words it knows give keys. Several choices
// are tried; every tenth line of the texts is kept out of the choosing to measure them on, and
// the best on the mean of the registers is kept. No more than `mostKeys` keys are chosen
// besides those of the trailing groups. Reports each try's figures to `progress`.
BuiltKeyboard BuildKeyboard(const std::vector<Register>& registers, keys::KeyLanguage language,
                            size_t mostKeys, const KnownWords* known, std::ostream& progress);

}  // namespace analysis
