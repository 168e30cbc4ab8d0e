#pragma once

#include <optional>
#include <string>
#include <string_view>

// Windows-1252, the code page of every text the keyboard handles: keys, files, settings and
// speech. The one table of the program; every conversion goes through it.
namespace text {

// The Unicode code point of a byte. The five bytes the code page leaves unassigned give the
// C1 control of the same value, so that every byte survives a round trip.
char32_t ToUnicode(char byte);
// The byte of a code point; nothing for one the code page cannot hold.
std::optional<char> FromUnicode(char32_t code);
// Whether the code page gives the byte a character: all but 0x81, 0x8D, 0x8F, 0x90 and 0x9D.
bool IsAssigned(char byte);

// The UTF-8 text of Windows-1252 bytes.
std::string ToUtf8(std::string_view cp1252);
// The Windows-1252 bytes of UTF-8 text, a character the code page lacks becoming
// `unmappable`; nothing when the text is not valid UTF-8.
std::optional<std::string> FromUtf8(std::string_view utf8, char unmappable);

}  // namespace text
