#pragma once

#include <array>
#include <cstdint>

namespace platform {

// A key that types characters, named by its physical position (XKB key name), with the
// virtual-key code the Windows Spanish (Spain) layout gives that position.
struct KeyPosition {
    uint8_t vk;
    char name[5];
};

// In the order VkKeyScanA looks for a character: space, digits, letters, then signs.
inline constexpr std::array<KeyPosition, 49> kSpanishKeyPositions = {{
    {0x20, "SPCE"}, {0x30, "AE10"}, {0x31, "AE01"}, {0x32, "AE02"}, {0x33, "AE03"}, {0x34, "AE04"},
    {0x35, "AE05"}, {0x36, "AE06"}, {0x37, "AE07"}, {0x38, "AE08"}, {0x39, "AE09"}, {0x41, "AC01"},
    {0x42, "AB05"}, {0x43, "AB03"}, {0x44, "AC03"}, {0x45, "AD03"}, {0x46, "AC04"}, {0x47, "AC05"},
    {0x48, "AC06"}, {0x49, "AD08"}, {0x4A, "AC07"}, {0x4B, "AC08"}, {0x4C, "AC09"}, {0x4D, "AB07"},
    {0x4E, "AB06"}, {0x4F, "AD09"}, {0x50, "AD10"}, {0x51, "AD01"}, {0x52, "AD04"}, {0x53, "AC02"},
    {0x54, "AD05"}, {0x55, "AD07"}, {0x56, "AB04"}, {0x57, "AD02"}, {0x58, "AB02"}, {0x59, "AD06"},
    {0x5A, "AB01"}, {0xBA, "AD11"}, {0xBB, "AD12"}, {0xBC, "AB08"}, {0xBD, "AB10"}, {0xBE, "AB09"},
    {0xBF, "BKSL"}, {0xC0, "AC10"}, {0xDB, "AE11"}, {0xDC, "TLDE"}, {0xDD, "AE12"}, {0xDE, "AC11"},
    {0xE2, "LSGT"},
}};

}  // namespace platform
