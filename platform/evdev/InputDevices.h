#pragma once

#include <filesystem>
#include <string>
#include <string_view>
#include <vector>

namespace platform::evdev {

// An input device as the kernel lists it, readable by anyone whether or not its events are.
struct InputDevice {
    std::string name;            // as the device names itself
    std::filesystem::path node;  // its event node, /dev/input/eventN
    bool joystick = false;       // it has joystick or gamepad buttons
};

// The event devices listed in `classFolder` (/sys/class/input), with their nodes in
// `nodeFolder` (/dev/input), in the order of their numbers; none when the folder is missing.
std::vector<InputDevice> ListInputDevices(const std::filesystem::path& classFolder,
                                          const std::filesystem::path& nodeFolder);

// Whether a key capability bitmap as the kernel writes it (hexadecimal words of `wordBits`
// bits, the highest first, separated by spaces) has a joystick or a gamepad button.
bool HasJoystickButtons(std::string_view keyBitmap, int wordBits = sizeof(unsigned long) * 8);

}  // namespace platform::evdev
