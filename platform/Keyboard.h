#pragma once

#include <cstdint>

namespace platform {

// Synthesised keyboard input for the window that has the focus.
class Keyboard {
  public:
    virtual ~Keyboard() = default;
    // vk is a Windows virtual-key code; flags 0 presses, KEYEVENTF_KEYUP releases.
    virtual void keybd_event(uint8_t vk, uint8_t scan, unsigned flags, uintptr_t extraInfo) = 0;
    // The virtual key (low byte) and shift state (high byte: 1 Shift, 2 Ctrl, 4 Alt) that type
    // the Windows-1252 character on the active layout; -1 when the layout has none.
    virtual int16_t VkKeyScanA(char character) = 0;
};

}  // namespace platform
