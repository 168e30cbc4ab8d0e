#pragma once

#include <string>

namespace platform::x11 {

// Texts the X server holds (UTF-8 titles, Latin-1 class names) in Windows-1252.
std::string Cp1252FromUtf8(const std::string& utf8);
std::string Cp1252FromLatin1(const std::string& latin1);

}  // namespace platform::x11
