#pragma once

#include <cstdint>
#include <initializer_list>
#include <vector>

#include "platform/fake/FakeDesktop.h"

// Key events written as the rules state them: {{VK_SHIFT, down}, {'B', down}, ...}.
namespace dispatchkeys {

using Keys = std::vector<platform::FakeKeyEvent>;

inline constexpr bool down = false;
inline constexpr bool up = true;

inline constexpr uint8_t VK_BACK = 8, VK_TAB = 9, VK_RETURN = 13, VK_SHIFT = 16, VK_CONTROL = 17,
                         VK_MENU = 18, VK_SPACE = 0x20, VK_PRIOR = 33, VK_NEXT = 34, VK_END = 35,
                         VK_HOME = 36, VK_LEFT = 37, VK_UP = 38, VK_RIGHT = 39, VK_DOWN = 40,
                         VK_DELETE = 46;
// Keys of the Spanish layout, by what is printed on them.
inline constexpr uint8_t kGraveKey = 0xBA, kAcuteKey = 0xDE, kEnyeKey = 0xC0, kApostropheKey = 0xDB,
                         kPointKey = 0xBE, kCedillaKey = 0xBF, kCommaKey = 0xBC;

// A press and a release.
inline Keys Tap(uint8_t vk) { return {{vk, down}, {vk, up}}; }

// Shift held around the events.
inline Keys Shifted(const Keys& inner) {
    Keys keys{{VK_SHIFT, down}};
    keys.insert(keys.end(), inner.begin(), inner.end());
    keys.push_back({VK_SHIFT, up});
    return keys;
}

inline Keys Join(std::initializer_list<Keys> parts) {
    Keys joined;
    for (const Keys& part : parts) joined.insert(joined.end(), part.begin(), part.end());
    return joined;
}

}  // namespace dispatchkeys
