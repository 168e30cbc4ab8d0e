#pragma once

#include <X11/keysym.h>

#include <array>
#include <cstdint>

namespace platform::x11 {

// A key that types no character of its own, found by what it does rather than where it is.
struct NamedKey {
    uint8_t vk;
    KeySym keysym;
};

inline constexpr std::array<NamedKey, 17> kNamedKeys = {{
    {0x08, XK_BackSpace},
    {0x09, XK_Tab},
    {0x0D, XK_Return},
    {0x10, XK_Shift_L},
    {0x11, XK_Control_L},
    {0x12, XK_Alt_L},
    {0x1B, XK_Escape},
    {0x21, XK_Prior},
    {0x22, XK_Next},
    {0x23, XK_End},
    {0x24, XK_Home},
    {0x25, XK_Left},
    {0x26, XK_Up},
    {0x27, XK_Right},
    {0x28, XK_Down},
    {0x2D, XK_Insert},
    {0x2E, XK_Delete},
}};

}  // namespace platform::x11
