#pragma once

#include <X11/Xlib.h>

#include <string>

// A plain top-level window of the bench's own, standing for the application the user works
// in: the keyboard, when idle, follows it with its tracking timer.
class Receiver {
  public:
    Receiver(Display* display, const std::string& title);
    ~Receiver();
    Receiver(const Receiver&) = delete;
    Receiver& operator=(const Receiver&) = delete;

    // Asks the window manager to make the window the active one, and waits until it is.
    bool Activate();

  private:
    Display* display_;
    Window window_;
};
