#pragma once

#include <cstdint>
#include <functional>

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
    // Whether the active layout is the Spanish (Spain) one, whose keys the keystrokes of
    // keybd_event and VkKeyScanA were laid out for (Windows tells it by GetKeyboardLayout).
    virtual bool SpanishLayoutActive() = 0;
    // Types the Windows-1252 character exactly, whatever the layout, as SendInput does with
    // KEYEVENTF_UNICODE: one press and release, with what the character needs held. False,
    // and nothing typed, when the desktop has no way to type it.
    virtual bool TypeCharacter(char character) = 0;
    // Calls back on the UI thread with false when the desktop stops taking synthesised keys
    // (the compositor has closed the session that carried them) and with true when it takes
    // them again; replaces the callback given before. Most desktops never stop.
    virtual void WatchKeyDelivery(std::function<void(bool)> /*delivering*/) {}
};

}  // namespace platform
