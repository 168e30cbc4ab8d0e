#pragma once

#include <string>
#include <vector>

#include "analysis/KeySelection.h"
#include "keys/KeyNode.h"
#include "keys/SpecialKeys.h"

namespace analysis {

// What every built keyboard has besides the keys chosen for it: the special keys that the
// program adds on top, and the groups it ends with, so that any text can be typed.

// The special keys of that language that type a character, with what choosing each takes.
std::vector<SpecialKey> SpecialKeysOf(keys::KeyLanguage language);

// The groups a built keyboard ends with: every letter and accented vowel in alphabetical
// order, named in the language, the signs of everyday writing, then the built-in keyboard's
// digits and signs.
keys::KeyForest TrailingGroups(keys::KeyLanguage language);

// What the keys of each trailing group type, in small letters.
std::vector<std::vector<std::string>> TypedByTrailingGroups(keys::KeyLanguage language);

}  // namespace analysis
