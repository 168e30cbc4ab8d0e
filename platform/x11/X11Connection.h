#pragma once

#include <X11/Xlib.h>

#include <chrono>
#include <functional>
#include <map>
#include <optional>
#include <string>
#include <vector>

namespace platform::x11 {

// One Xlib connection to the display named by $DISPLAY, with the helpers every
// part of the backend needs: atoms, typed property reads, trapped X errors and
// bounded waits that dispatch the connection's events without spinning.
class X11Connection {
  public:
    X11Connection();
    ~X11Connection();
    X11Connection(const X11Connection&) = delete;
    X11Connection& operator=(const X11Connection&) = delete;

    Display* display() const { return display_; }
    Window root() const { return root_; }
    Atom atom(const char* name) const;

    // Runs calls, waits for the server to answer them and tells whether none of them failed;
    // a window that closed in the meantime is a failure here, never a crash.
    bool Succeeds(const std::function<void()>& calls);

    // Items of a 32-bit property (CARDINAL, WINDOW, ATOM); empty when missing or on a dead window.
    std::vector<unsigned long> Property32(Window window, const char* name, Atom type);
    // Bytes of an 8-bit property of the given type, or nothing.
    std::optional<std::string> Property8(Window window, const char* name, Atom type);

    // Adds the event mask to those the connection selects on the window, so that several parts
    // can each follow a window for their own events; Unselect takes it away again.
    void SelectEvents(Window window, long mask);
    void UnselectEvents(Window window, long mask);

    // Every event read from the connection is handed to each handler.
    void AddEventHandler(std::function<void(const XEvent&)> handler);
    // Hands every event already sent by the server to the handlers, without waiting.
    void DispatchPending();
    // Dispatches events until done() holds or limit passes; rechecks done() at least every
    // recheck, for conditions that no event announces. Returns done().
    bool WaitUntil(const std::function<bool()>& done, std::chrono::milliseconds limit,
                   std::chrono::milliseconds recheck);

  private:
    static int RecordError(Display* display, XErrorEvent* error);

    Display* display_ = nullptr;
    Window root_ = 0;
    unsigned long errors_ = 0;
    std::vector<std::function<void(const XEvent&)>> handlers_;
    // The masks selected on each window, one entry per part that selected it.
    std::map<Window, std::vector<long>> selected_;
};

}  // namespace platform::x11
