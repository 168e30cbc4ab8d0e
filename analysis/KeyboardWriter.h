#pragma once

#include <string>

#include "keys/KeyNode.h"

namespace analysis {

// The keyboard as the text of a keyboard file: one key per line, in Windows-1252, one tab
// per level. A key's text must not begin with a blank or a tab, nor hold a line break:
// the file could not say it.
std::string KeyboardFileText(const keys::KeyForest& keyboard);

}  // namespace analysis
