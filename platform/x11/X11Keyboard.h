#pragma once

#include <chrono>
#include <cstdint>

#include "platform/DesktopParts.h"
#include "platform/x11/KeySynthesisGuard.h"
#include "platform/x11/KeyboardLayout.h"
#include "platform/x11/SpareKeycodes.h"
#include "platform/x11/X11Connection.h"

namespace platform::x11 {

// Synthesised key events through the XTEST extension, keyed by Windows virtual-key codes.
// Windows reads Ctrl + Alt as AltGr while a character key goes down; X does not, so while
// both are held a character key goes down with the third-level key instead of them.
// A character typed as itself goes on the key of the layout that gives it, or else on a
// keycode lent to it.
class X11Keyboard final : public KeySender {
  public:
    X11Keyboard(X11Connection& connection, KeyboardLayout& layout, Time& time);
    ~X11Keyboard() override;
    X11Keyboard(const X11Keyboard&) = delete;
    X11Keyboard& operator=(const X11Keyboard&) = delete;

    void keybd_event(uint8_t vk, unsigned flags) override;
    int16_t VkKeyScanA(char character) override { return layout_.VkKeyScan(character); }
    bool SpanishLayoutActive() override { return layout_.IsSpanish(); }
    bool TypeCharacter(char character) override;
    // Told around each key sent from now on; nullptr for none.
    void SetGuard(KeySynthesisGuard* guard) { guard_ = guard; }

  private:
    // A modifier key as the X server sees it, which may differ from what the caller holds.
    struct Modifier {
        KeyCode keycode = 0;
        bool down = false;
    };

    void HoldCtrlAlt(bool held);
    void Set(Modifier& modifier, bool down);
    void Send(KeyCode keycode, bool down);
    void LetEarlierKeysBeRead();
    std::optional<Keystroke> KeystrokeTyping(const std::vector<KeySym>& keysyms);
    void Type(const Keystroke& keystroke);

    X11Connection& connection_;
    KeyboardLayout& layout_;
    SpareKeycodes spares_;
    bool available_ = false;
    bool ctrlHeld_ = false;
    bool altHeld_ = false;
    Modifier ctrl_;
    Modifier alt_;
    Modifier altGr_;
    std::chrono::steady_clock::time_point lastSent_;
    KeySynthesisGuard* guard_ = nullptr;
};

}  // namespace platform::x11
