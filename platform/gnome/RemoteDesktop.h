#pragma once

#include <cstdint>
#include <functional>

namespace platform::gnome {

// A remote desktop session of the compositor's, as the keyboard uses it: keys and the
// pointer of the session's seat. Codes are Linux input event codes.
class RemoteDesktop {
  public:
    virtual ~RemoteDesktop() = default;
    // Creates and starts a session; false when the compositor gives none.
    virtual bool Start() = 0;
    // Presses or releases the key of that code on the seat's keyboard, whose layout it keeps.
    virtual void KeyboardKeycode(uint32_t code, bool down) = 0;
    // Moves the pointer by so many logical pixels from where it is; the compositor keeps it
    // on the screens.
    virtual void PointerMotion(double dx, double dy) = 0;
    // Presses or releases a button (0x110 is the left one).
    virtual void PointerButton(uint32_t button, bool down) = 0;
    // Called on the UI thread when the session ends without the keyboard ending it: the
    // compositor closed it, or left the bus.
    virtual void OnEnded(std::function<void()> ended) = 0;
    // Called on the UI thread when the compositor's service comes onto the bus again.
    virtual void OnServiceBack(std::function<void()> back) = 0;
};

}  // namespace platform::gnome
