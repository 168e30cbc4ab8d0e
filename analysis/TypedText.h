#pragma once

#include <optional>
#include <string>
#include <string_view>

namespace analysis {

// What choosing a key with this text adds to the text being written, in small letters (see
// text/Case.h): its own text, a blank for the space key, a line break for Enter and a tab
// for Tab. Nothing for a key that adds no character: the arrows, Delete, Backspace and the
// other special keys, and a key with empty text.
std::optional<std::string> TypedText(std::string_view keyText);

}  // namespace analysis
