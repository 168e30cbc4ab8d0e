#pragma once

#include <optional>
#include <string>

namespace platform::qt {

// The desktop clipboard through Qt, as Windows-1252 text with Windows line breaks.
class QtClipboard {
  public:
    bool OpenClipboard();
    std::optional<std::string> GetClipboardData(unsigned format);
    bool CloseClipboard();
};

}  // namespace platform::qt
