#pragma once

#include <cstddef>
#include <optional>
#include <string>
#include <string_view>

#include "keys/KeyNode.h"

namespace keys {

// The most keys a keyboard file may hold. A tree view of more keys than this would take
// the keyboard minutes to show; a larger file fails like a malformed one.
inline constexpr std::size_t kMaxKeys = 1'000'000;

// Builds the key tree held by the text of a keyboard file: one key per line,
// the level given by the leading tabs and blanks (each counts one). Nothing
// when a line is more than one level deeper than the line before, or when the
// file holds more than kMaxKeys keys: a keyboard
// is loaded whole or not at all, so the caller keeps the one it has.
std::optional<KeyForest> ParseKeyboard(std::string_view text);

// Reads and parses the named keyboard file; nothing when it cannot be read
// or does not parse.
std::optional<KeyForest> ReadKeyboardFile(const std::string& fileName);

// Number of keys in the forest, at every level.
std::size_t CountKeys(const KeyForest& forest);

// Empties the forest without recursion, so that a tree thousands of levels
// deep is released without exhausting the stack.
void ClearKeyForest(KeyForest& forest);

}  // namespace keys
