#pragma once

#include "keys/KeyNode.h"

namespace keys {

// The two languages the special keys are named in.
enum class KeyLanguage { Catalan, Castilian };

// Puts the special keys of that language on top of the keyboard: the group of ten
// special keys, RETURN, the backspace key and the space key. It does not look at what
// the keyboard already holds: run twice, it adds a second set above the first.
void AfegirTeclesEspecials(KeyForest& keyboard, KeyLanguage language);

// How many top-level nodes the special keys take.
inline constexpr int kSpecialTopLevelNodes = 4;

}  // namespace keys
