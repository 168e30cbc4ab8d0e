#pragma once

#include <optional>
#include <string>

namespace platform {

// The desktop clipboard, read only, as 8-bit text.
class Clipboard {
  public:
    virtual ~Clipboard() = default;
    virtual bool OpenClipboard() = 0;
    // The clipboard text in Windows-1252 for CF_TEXT, or nothing when it holds no text.
    virtual std::optional<std::string> GetClipboardData(unsigned format) = 0;
    virtual bool CloseClipboard() = 0;
};

}  // namespace platform
