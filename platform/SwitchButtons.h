#pragma once

#include <cstdint>
#include <functional>
#include <string>
#include <vector>

namespace platform {

// A joystick or gamepad button going down or coming up.
struct SwitchButtonEvent {
    std::string button;  // the button's name among the kernel's input codes ("BTN_SOUTH")
    bool down = true;    // false for the release
    // When it happened, in milliseconds of the device's clock; it may wrap.
    uint32_t time = 0;

    bool operator==(const SwitchButtonEvent&) const = default;
};

// Whether a joystick or gamepad can be read.
enum class DeviceAccess {
    Open,     // it is there and this user may read it
    Missing,  // no device of that name is plugged in
    Refused,  // it is there, but this user may not read it (no `input` group, no udev rule)
};

// The devices listened to while a switch is being learnt.
struct ButtonListening {
    DeviceAccess access = DeviceAccess::Missing;
    // The names of the joysticks and gamepads listened to; with Refused, those that could not be.
    std::vector<std::string> devices;
};

// Buttons of joysticks and gamepads, which many switch interfaces present themselves as, each
// device named by the name it gives itself. A source that reads no device keeps these answers:
// no device is found, so the switch stays the mouse button.
class SwitchButtons {
  public:
    virtual ~SwitchButtons() = default;
    // Whether the named device can be read now.
    virtual DeviceAccess Reach(const std::string& /*device*/) { return DeviceAccess::Missing; }
    // Reads the named device from now on, in place of any read before: each press and each
    // release of one of `buttons` calls onEvent on the UI thread, and no other program gets the
    // device's events meanwhile. onLost is called once, on the UI thread, when the device goes
    // away; it is then read no more. Anything but Open reads nothing.
    virtual DeviceAccess WatchButtons(const std::string& /*device*/,
                                      const std::vector<std::string>& /*buttons*/,
                                      std::function<void(const SwitchButtonEvent&)> /*onEvent*/,
                                      std::function<void()> /*onLost*/) {
        return DeviceAccess::Missing;
    }
    // The device read by WatchButtons is let go.
    virtual void StopWatching() {}
    // Listens to every joystick and gamepad for the next button pressed, to learn a switch:
    // onButton gets the device's name and the button's, once.
    virtual ButtonListening CatchNextButton(
        std::function<void(const std::string& device, const std::string& button)> /*onButton*/) {
        return {};
    }
    // Stops listening without waiting for a button.
    virtual void StopCatchingButton() {}
};

}  // namespace platform
