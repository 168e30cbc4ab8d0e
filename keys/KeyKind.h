#pragma once

#include <cstdint>
#include <string>
#include <string_view>

namespace keys {

// What choosing a node does, decided from its children and its text alone.
enum class KeyKind { Group, Space, Special, DigitOrOperator, Text };

// What a special key sends: one character through the character path (Enter, Backspace)
// or one virtual key on its own.
enum class SpecialSend { Character, VirtualKey };

struct SpecialKey {
    std::string_view name;  // lower-cased, as the dispatch compares it
    SpecialSend send;
    uint8_t code;  // the character or the virtual key
};

// The special key of a lower-cased name, or nullptr.
const SpecialKey* FindSpecialKey(std::string_view loweredName);

bool IsSpaceName(std::string_view loweredName);
bool IsDigitOrOperator(std::string_view loweredName);

KeyKind KindOf(bool hasChildren, std::string_view text);

}  // namespace keys
