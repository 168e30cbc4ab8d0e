#include "platform/evdev/ButtonEvent.h"

#include <libevdev/libevdev.h>

#include <string>

namespace platform::evdev {
namespace {

constexpr int kReleased = 0;
constexpr int kPressed = 1;
constexpr uint64_t kMsPerSecond = 1000;
constexpr uint64_t kUsPerMs = 1000;

}  // namespace

std::optional<SwitchButtonEvent> ButtonEventOf(const input_event& event) {
    if (event.type != EV_KEY || (event.value != kPressed && event.value != kReleased)) {
        return std::nullopt;
    }
    const char* name = libevdev_event_code_get_name(EV_KEY, event.code);
    const uint64_t ms = static_cast<uint64_t>(event.input_event_sec) * kMsPerSecond +
                        static_cast<uint64_t>(event.input_event_usec) / kUsPerMs;
    return SwitchButtonEvent{name ? name : std::to_string(event.code), event.value == kPressed,
                             static_cast<uint32_t>(ms)};
}

}  // namespace platform::evdev
