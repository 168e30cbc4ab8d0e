#pragma once

#include <vector>

namespace platform {

// The keysyms a key may carry to type the Windows-1252 character, plain ones first.
std::vector<unsigned long> KeysymsTyping(char character);
// The dead key that types the character when followed by a blank, or 0 (NoSymbol).
unsigned long DeadKeysymTyping(char character);

}  // namespace platform
