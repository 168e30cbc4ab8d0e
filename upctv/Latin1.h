#pragma once

#include <string>
#include <string_view>

namespace upctv {

// Festival's Catalan text rules read Latin-1. Windows-1252's own signs in 0x80-0x9F become
// their Latin-1 look-alikes (curly quotes straight, dashes hyphens, the euro sign its name);
// anything else Latin-1 lacks becomes a blank.
std::string Latin1FromUtf8(std::string_view utf8);

}  // namespace upctv
