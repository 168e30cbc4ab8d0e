#pragma once

#include <string>

#include "platform/Clipboard.h"

namespace speech {

// The clipboard's text, at most 65500 characters; empty when the clipboard holds no text or
// cannot be opened.
std::string TextCarpeta(platform::Clipboard& clipboard);

}  // namespace speech
