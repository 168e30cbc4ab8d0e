#include "platform/x11/X11SwitchKeys.h"

#include <X11/XKBlib.h>
#include <X11/extensions/XInput2.h>

#include <array>
#include <utility>

#include "platform/x11/X11Connection.h"

namespace platform::x11 {
namespace {

// Num Lock is the second modifier on every layout X ships.
constexpr unsigned kNumLock = Mod2Mask;
// The states in which a grabbed key must still be caught: Caps Lock and Num Lock on or off.
constexpr std::array<unsigned, 4> kLockStates = {0, LockMask, kNumLock, LockMask | kNumLock};

}  // namespace

X11SwitchKeys::X11SwitchKeys(X11Connection& connection) : connection_(connection) {
    Display* display = connection_.display();
    // A held key repeats as presses alone, without a release before each.
    XkbSetDetectableAutoRepeat(display, True, nullptr);
    int event = 0;
    int error = 0;
    int major = 2;
    int minor = 2;
    // Without the input extension a release that goes elsewhere is not seen: each press then
    // counts, repeats included.
    if (!XQueryExtension(display, "XInputExtension", &inputOpcode_, &event, &error) ||
        XIQueryVersion(display, &major, &minor) != Success) {
        inputOpcode_ = -1;
    }
    connection_.AddEventHandler([this](const XEvent& event) { OnEvent(event); });
}

X11SwitchKeys::~X11SwitchKeys() {
    StopCatchingKey();
    Ungrab();
}

KeyCode X11SwitchKeys::CodeOf(const std::string& name) const {
    const KeySym keysym = XStringToKeysym(name.c_str());
    return keysym == NoSymbol ? 0 : XKeysymToKeycode(connection_.display(), keysym);
}

bool X11SwitchKeys::HasSwitchKey(const std::string& name) const { return CodeOf(name) != 0; }

bool X11SwitchKeys::Grab(const std::vector<std::string>& names,
                         std::function<void(const std::string&)> onPress) {
    Ungrab();
    for (const std::string& name : names) {
        const KeyCode code = CodeOf(name);
        if (code == 0 || !GrabCode(code)) {
            Ungrab();
            return false;
        }
        grabbed_[code] = GrabbedKey{name, {}};
    }
    onPress_ = std::move(onPress);
    SelectReleases(true);
    return true;
}

bool X11SwitchKeys::GrabCode(KeyCode code) {
    Display* display = connection_.display();
    // Another program that holds the key already makes the grab fail.
    const bool grabbed = connection_.Succeeds([&] {
        for (unsigned state : kLockStates) {
            XGrabKey(display, code, state, connection_.root(), False, GrabModeAsync, GrabModeAsync);
        }
    });
    if (!grabbed) UngrabCode(code);
    return grabbed;
}

void X11SwitchKeys::UngrabCode(KeyCode code) {
    connection_.Succeeds([&] {
        for (unsigned state : kLockStates) {
            XUngrabKey(connection_.display(), code, state, connection_.root());
        }
    });
}

void X11SwitchKeys::Ungrab() {
    for (const auto& [code, key] : grabbed_) UngrabCode(code);
    grabbed_.clear();
    onPress_ = nullptr;
    SelectReleases(false);
}

void X11SwitchKeys::SelectReleases(bool on) {
    if (inputOpcode_ < 0) return;
    std::array<unsigned char, XIMaskLen(XI_LASTEVENT)> mask{};
    if (on) XISetMask(mask.data(), XI_RawKeyRelease);
    XIEventMask events{XIAllMasterDevices, static_cast<int>(mask.size()), mask.data()};
    XISelectEvents(connection_.display(), connection_.root(), &events, 1);
    XFlush(connection_.display());
}

bool X11SwitchKeys::CatchNextKey(std::function<void(const std::string&)> onKey) {
    Display* display = connection_.display();
    if (XGrabKeyboard(display, connection_.root(), False, GrabModeAsync, GrabModeAsync,
                      CurrentTime) != GrabSuccess) {
        return false;
    }
    XFlush(display);
    onCaught_ = std::move(onKey);
    return true;
}

void X11SwitchKeys::StopCatchingKey() {
    if (!onCaught_) return;
    onCaught_ = nullptr;
    XUngrabKeyboard(connection_.display(), CurrentTime);
    XFlush(connection_.display());
}

void X11SwitchKeys::OnEvent(const XEvent& event) {
    if (event.type == KeyPress) {
        OnKeyPress(event);
    } else if (event.type == KeyRelease) {
        const auto key = grabbed_.find(static_cast<KeyCode>(event.xkey.keycode));
        if (key != grabbed_.end()) key->second.hold.Up();
    } else if (event.type == GenericEvent && event.xcookie.extension == inputOpcode_) {
        OnRawRelease(event);
    }
}

void X11SwitchKeys::OnKeyPress(const XEvent& event) {
    const XKeyEvent& key = event.xkey;
    Display* display = connection_.display();
    if (onCaught_) {
        const KeySym keysym = XkbKeycodeToKeysym(display, static_cast<KeyCode>(key.keycode), 0, 0);
        const char* name = XKeysymToString(keysym);
        const auto onCaught = std::exchange(onCaught_, nullptr);
        XUngrabKeyboard(display, key.time);
        XFlush(display);
        if (name != nullptr) Later([onCaught, caught = std::string(name)] { onCaught(caught); });
        return;
    }
    const auto grabbed = grabbed_.find(static_cast<KeyCode>(key.keycode));
    if (grabbed == grabbed_.end()) return;
    // The keys that this press makes the keyboard type must reach the receiving application.
    XUngrabKeyboard(display, key.time);
    XFlush(display);
    if (!grabbed->second.hold.Down()) return;
    Later([this, name = grabbed->second.name] {
        // The keys may have been let go since the press.
        if (onPress_) onPress_(name);
    });
}

void X11SwitchKeys::OnRawRelease(const XEvent& event) {
    XGenericEventCookie cookie = event.xcookie;
    Display* display = connection_.display();
    if (!XGetEventData(display, &cookie)) return;
    if (cookie.evtype == XI_RawKeyRelease) {
        const auto* raw = static_cast<const XIRawEvent*>(cookie.data);
        const auto key = grabbed_.find(static_cast<KeyCode>(raw->detail));
        if (key != grabbed_.end()) key->second.hold.Up();
    }
    XFreeEventData(display, &cookie);
}

void X11SwitchKeys::Later(std::function<void()> call) {
    QMetaObject::invokeMethod(&context_, std::move(call), Qt::QueuedConnection);
}

}  // namespace platform::x11
