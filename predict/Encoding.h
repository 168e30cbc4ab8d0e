#pragma once

#include <optional>
#include <string>
#include <string_view>

namespace predict {

// Stands for a character Windows-1252 cannot hold; a byte the code page leaves
// unassigned, so it never passes for a letter of a word.
inline constexpr char kUnmappable = '\x81';

// The Windows-1252 bytes of UTF-8 text, characters outside the code page
// becoming kUnmappable; nothing when the text is not valid UTF-8.
std::optional<std::string> Utf8ToCp1252(std::string_view utf8);

// The UTF-8 text of Windows-1252 bytes.
std::string Cp1252ToUtf8(std::string_view cp1252);

}  // namespace predict
