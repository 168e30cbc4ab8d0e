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
    // A top-level window of this client's, never shown, with the title (UTF-8); it ends with
    // the client.
    platform::HWND CreateWindow(const std::string& title);
    // Names the window active on the root window, as a window manager does.
    void NameActive(platform::HWND window);

  private:
    _XDisplay* display_;
    unsigned long popup_;
};

}  // namespace e2e
