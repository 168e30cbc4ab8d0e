#pragma once

#include <string>
#include <string_view>

namespace upctv {

// The synthesiser reads UTF-8; the keyboard hands Windows-1252 bytes. Control
// characters and the five unassigned bytes become blanks so that nothing
// unpronounceable reaches the synthesiser.
std::string Utf8FromWindows1252(std::string_view text);

}  // namespace upctv
