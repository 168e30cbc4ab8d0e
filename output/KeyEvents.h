#pragma once

#include <cstdint>

#include "platform/Constants.h"
#include "platform/Keyboard.h"

namespace output {

// One key event as the keyboard sends them: no scan code, no extra information.
inline void Premer(platform::Keyboard& keyboard, uint8_t vk) { keyboard.keybd_event(vk, 0, 0, 0); }

inline void Alliberar(platform::Keyboard& keyboard, uint8_t vk) {
    keyboard.keybd_event(vk, 0, platform::KEYEVENTF_KEYUP, 0);
}

// A press and a release, back to back.
inline void Pulsar(platform::Keyboard& keyboard, uint8_t vk) {
    Premer(keyboard, vk);
    Alliberar(keyboard, vk);
}

// The virtual key that types the character: the low byte of VkKeyScanA, whose shift state
// is ignored. A character the layout lacks gives 255, which types nothing.
inline uint8_t TeclaDe(platform::Keyboard& keyboard, char character) {
    return static_cast<uint8_t>(keyboard.VkKeyScanA(character) & 0xFF);
}

}  // namespace output
