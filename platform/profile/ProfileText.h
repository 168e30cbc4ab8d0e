#pragma once

#include <optional>
#include <string>
#include <string_view>

namespace platform {

// The text of a profile file: "[section]" lines, each followed by its
// "key=value" lines. Names match without regard to the case of A to Z and
// blanks around names and values do not count; lines without "=" and lines
// starting with ";" are not keys.

// The value of the first `key` of `section`, without its enclosing quotes
// when it has a matching pair; nothing when the section or key is missing.
std::optional<std::string> FindProfileValue(std::string_view text, std::string_view section,
                                            std::string_view key);

// The text with `key` of `section` set to `value`: replaced in place when
// present, else added after the last key of the section, else added in a new
// section at the end. A null `value` removes the key, a null `key` removes
// the whole section. Every other line is kept byte for byte; new lines end in
// CR LF, and a CR or LF inside a name or value becomes a blank so that it
// stays on its line.
std::string WithProfileValue(std::string_view text, std::string_view section, const char* key,
                             const char* value);

}  // namespace platform
