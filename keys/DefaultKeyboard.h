#pragma once

#include "keys/KeyNode.h"

namespace keys {

// The keyboard the program carries: the Catalan special keys, the digits and signs,
// the vowels with their accents and a group of syllables per consonant (287 nodes).
KeyForest DefaultKeyboard();

}  // namespace keys
