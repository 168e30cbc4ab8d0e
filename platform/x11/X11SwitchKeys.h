#pragma once

#include <QObject>
#include <functional>
#include <map>
#include <string>
#include <vector>

#include "platform/SwitchHold.h"

// Xlib stays out of this header: Qt's headers must come before it wherever both are used.
union _XEvent;

namespace platform::x11 {

class X11Connection;

// Switch keys caught with a passive grab on the root window, in every state of Caps Lock and
// Num Lock. The grab becomes active at each press and is let go at once, so that what the
// press types reaches the receiving application; the key's repeats take the grab again and
// stay here, and its release is seen as a raw input event wherever it goes.
class X11SwitchKeys {
  public:
    explicit X11SwitchKeys(X11Connection& connection);
    ~X11SwitchKeys();
    X11SwitchKeys(const X11SwitchKeys&) = delete;
    X11SwitchKeys& operator=(const X11SwitchKeys&) = delete;

    bool HasSwitchKey(const std::string& name) const;
    bool Grab(const std::vector<std::string>& names,
              std::function<void(const std::string&)> onPress);
    void Ungrab();
    bool CatchNextKey(std::function<void(const std::string&)> onKey);
    void StopCatchingKey();

  private:
    struct GrabbedKey {
        std::string name;
        SwitchHold hold;
    };

    unsigned char CodeOf(const std::string& name) const;
    bool GrabCode(unsigned char code);
    void UngrabCode(unsigned char code);
    void SelectReleases(bool on);
    void OnEvent(const union _XEvent& event);
    void OnKeyPress(const union _XEvent& event);
    void OnRawRelease(const union _XEvent& event);
    // Runs the call from the event loop, not from inside the connection's event dispatch,
    // which the call may enter again while it waits for the receiving window.
    void Later(std::function<void()> call);

    X11Connection& connection_;
    std::map<unsigned char, GrabbedKey> grabbed_;
    std::function<void(const std::string&)> onPress_;
    std::function<void(const std::string&)> onCaught_;
    int inputOpcode_ = -1;
    // Calls made Later die with it.
    QObject context_;
};

}  // namespace platform::x11
