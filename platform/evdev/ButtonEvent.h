#pragma once

#include <linux/input.h>

#include <optional>

#include "platform/SwitchButtons.h"

namespace platform::evdev {

// A button's press or release, from one of a device's events; nothing for any other event and
// for the repeats of a button held down.
std::optional<SwitchButtonEvent> ButtonEventOf(const input_event& event);

}  // namespace platform::evdev
