#pragma once

#include <string>

#include "platform/Types.h"

struct _XDisplay;

namespace e2e {

// Another X client, as the user's other programs are: it renames a window and takes the
// keyboard focus with a popup of its own, which no window manager looks after.
class OtherClient {
  public:
    OtherClient();
    ~OtherClient();
    OtherClient(const OtherClient&) = delete;
    OtherClient& operator=(const OtherClient&) = delete;

    // Gives the window a new title (UTF-8), as the program that owns it would.
    void Rename(platform::HWND window, const std::string& title);
    // Shows the popup and moves the keyboard focus to it.
    void TakeFocus();

  private:
    _XDisplay* display_;
    unsigned long popup_;
};

}  // namespace e2e
