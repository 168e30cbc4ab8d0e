#pragma once

#include <X11/Xlib.h>

#include <functional>
#include <optional>
#include <string>

#include "platform/x11/X11Connection.h"

namespace platform::x11 {

// The window that the window manager names active (_NET_ACTIVE_WINDOW), followed through the
// server's events: whether the keyboard focus is inside it and what its title is are known
// without asking the server, as the receiving-window tracking asks ten times a second and
// every key asks before it is sent.
class ActiveWindow {
  public:
    explicit ActiveWindow(X11Connection& connection);
    ~ActiveWindow();
    ActiveWindow(const ActiveWindow&) = delete;
    ActiveWindow& operator=(const ActiveWindow&) = delete;

    // The active window, or 0 for none.
    Window Get();
    // Whether the window is the active one with the keyboard focus on it or on one of its
    // children.
    bool HoldsFocus(Window window);
    // The window's title as `read` gives it; the active window's is read again only after the
    // window has changed it.
    std::string Title(Window window, const std::function<std::string(Window)>& read);
    // Calls `changed` whenever the server says that the active window or its title changed,
    // or that the active window is gone.
    void OnChange(std::function<void()> changed) { changed_ = std::move(changed); }

  private:
    // Takes in the events the server has sent, and reads the property again if it changed.
    void Refresh();
    void OnEvent(const XEvent& event);
    void Follow(Window window);
    void Changed();
    bool FocusIsInside(Window window);

    X11Connection& connection_;
    Atom activeAtom_;
    Atom netNameAtom_;
    // The property has changed since it was last read.
    bool stale_ = true;
    Window active_ = 0;
    // Its focus changes, title changes and end are selected: what is kept of it stays true.
    bool followed_ = false;
    bool focusInside_ = false;
    std::optional<std::string> title_;
    std::function<void()> changed_;
};

}  // namespace platform::x11
