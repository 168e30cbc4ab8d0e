#include <gtest/gtest.h>

#include "platform/evdev/ButtonEvent.h"

namespace {

using platform::SwitchButtonEvent;
using platform::evdev::ButtonEventOf;

input_event Event(int type, int code, int value, long seconds = 0, long microseconds = 0) {
    input_event event{};
    event.input_event_sec = seconds;
    event.input_event_usec = microseconds;
    event.type = static_cast<__u16>(type);
    event.code = static_cast<__u16>(code);
    event.value = value;
    return event;
}

TEST(ButtonEvent, PressesAndReleasesOfButtonsAreSwitchEvents) {
    struct Row {
        const char* rule;
        input_event event;
        std::optional<SwitchButtonEvent> expected;
    };
    const Row rows[] = {
        {"a press, named by its code", Event(EV_KEY, BTN_SOUTH, 1, 12, 345678),
         SwitchButtonEvent{"BTN_SOUTH", true, 12345}},
        {"a release", Event(EV_KEY, BTN_TRIGGER, 0, 1, 999),
         SwitchButtonEvent{"BTN_TRIGGER", false, 1000}},
        {"an extra button", Event(EV_KEY, BTN_TRIGGER_HAPPY1, 1),
         SwitchButtonEvent{"BTN_TRIGGER_HAPPY1", true, 0}},
        {"the button's own repeat is no new press", Event(EV_KEY, BTN_SOUTH, 2), std::nullopt},
        {"a stick's movement is no button", Event(EV_ABS, ABS_X, 1), std::nullopt},
        {"the end of a report is no button", Event(EV_SYN, SYN_REPORT, 0), std::nullopt},
        {"milliseconds wrap as the desktop's do", Event(EV_KEY, BTN_SOUTH, 1, 4294968, 0),
         SwitchButtonEvent{"BTN_SOUTH", true, 704}},
    };
    for (const Row& row : rows) EXPECT_EQ(ButtonEventOf(row.event), row.expected) << row.rule;
}

}  // namespace
