#pragma once

#include <array>
#include <cstdint>

namespace platform {

// The shift states a character may need, in the order a character is looked for (the fewest
// modifiers first), with the high byte VkKeyScanA gives each: Windows reads AltGr as
// Ctrl + Alt.
struct ShiftState {
    bool shift;
    bool altGr;
    int16_t highByte;
};

inline constexpr std::array<ShiftState, 4> kShiftStates = {{
    {false, false, 0},
    {true, false, 1},
    {false, true, 6},
    {true, true, 7},
}};

}  // namespace platform
