#pragma once

#include <cstdint>
#include <functional>
#include <string>
#include <vector>

namespace platform {

// A switch key going down or coming up.
struct SwitchKeyEvent {
    std::string name;  // the key's keysym name
    bool down = true;  // false for the release
    // When it happened, in milliseconds of the desktop's clock for input events (which need not
    // be GetTickCount's); it may wrap.
    uint32_t time = 0;

    bool operator==(const SwitchKeyEvent&) const = default;
};

// Keys of switch interfaces, named by their X keysym names ("space", "Return", "F5"), which
// another keyboard layout still finds. A grabbed key reaches no other application, wherever
// the focus is. A desktop that cannot catch keys keeps these answers: no key is found, so the
// switch stays the mouse button.
class SwitchKeys {
  public:
    virtual ~SwitchKeys() = default;
    // Whether the keyboard has a key of that name.
    virtual bool HasSwitchKey(const std::string& /*name*/) { return false; }
    // Catches the named keys from now on, in place of any caught before. Each press and each
    // release calls onEvent on the UI thread; a key held down gives one press however long it
    // is held. False, with nothing caught, when a key is missing or another program holds it.
    virtual bool GrabSwitchKeys(const std::vector<std::string>& /*names*/,
                                std::function<void(const SwitchKeyEvent&)> /*onEvent*/) {
        return false;
    }
    // The grabbed keys reach the applications again.
    virtual void UngrabSwitchKeys() {}
    // Takes the next key pressed anywhere, to choose a switch: onKey gets its name, once.
    // False when the keyboard cannot be taken now.
    virtual bool CatchNextKey(std::function<void(const std::string&)> /*onKey*/) { return false; }
    // Gives the keyboard back without waiting for a key.
    virtual void StopCatchingKey() {}
};

}  // namespace platform
