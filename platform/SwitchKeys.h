#pragma once

#include <functional>
#include <string>
#include <vector>

namespace platform {

// Keys of switch interfaces, named by their X keysym names ("space", "Return", "F5"), which
// another keyboard layout still finds. A grabbed key reaches no other application, wherever
// the focus is. A desktop that cannot catch keys keeps these answers: no key is found, so the
// switch stays the mouse button.
class SwitchKeys {
  public:
    virtual ~SwitchKeys() = default;
    // Whether the keyboard has a key of that name.
    virtual bool HasSwitchKey(const std::string& /*name*/) { return false; }
    // Catches the named keys from now on, in place of any caught before. Each press calls
    // onPress with the key's name on the UI thread, once however long the key is held. False,
    // with nothing caught, when a key is missing or another program holds it.
    virtual bool GrabSwitchKeys(const std::vector<std::string>& /*names*/,
                                std::function<void(const std::string&)> /*onPress*/) {
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
