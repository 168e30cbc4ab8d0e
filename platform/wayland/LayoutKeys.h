#pragma once

#include <cstdint>
#include <optional>
#include <set>
#include <vector>

#include "platform/DesktopParts.h"
#include "platform/wayland/KeySink.h"
#include "platform/wayland/XkbLayout.h"

namespace platform::wayland {

// Where the keymap of the seat's keyboard is kept as the compositor changes it.
class LayoutSource {
  public:
    virtual ~LayoutSource() = default;
    // The keymap in use, or null before the compositor has told it.
    virtual const XkbLayout* Layout() const = 0;
};

// Keys pressed on the seat's own keyboard, whose layout is the user's, as on X11: a virtual
// key stands for the physical key the Windows Spanish layout gives it, Ctrl + Alt with a
// character key is AltGr, and a character typed as itself goes on the key of the layout that
// gives it, with Shift or AltGr, or after the dead key of its accent.
class LayoutKeys final : public KeySender {
  public:
    LayoutKeys(const LayoutSource& layout, KeySink& sink) : layout_(layout), sink_(sink) {}
    ~LayoutKeys() override;
    LayoutKeys(const LayoutKeys&) = delete;
    LayoutKeys& operator=(const LayoutKeys&) = delete;

    void keybd_event(uint8_t vk, unsigned flags) override;
    int16_t VkKeyScanA(char character) override;
    bool SpanishLayoutActive() override;
    bool TypeCharacter(char character) override;

  private:
    // A key of the layout and the modifier keys to hold around it, in this order.
    struct Keystroke {
        uint32_t code = 0;
        std::vector<uint32_t> held;
    };
    // A modifier as the compositor has it, which may differ from what the caller holds.
    struct Modifier {
        std::optional<uint32_t> code;
        bool down = false;
    };
    std::optional<uint32_t> CodeOf(uint8_t vk) const;
    std::optional<Keystroke> KeystrokeTyping(const std::vector<unsigned long>& keysyms) const;
    void HoldCtrlAlt(bool held);
    void Set(Modifier& modifier, bool down);
    void Send(uint32_t code, bool down);
    void Type(const Keystroke& keystroke);

    const LayoutSource& layout_;
    KeySink& sink_;
    bool ctrlHeld_ = false;
    bool altHeld_ = false;
    Modifier ctrl_;
    Modifier alt_;
    Modifier altGr_;
    // Every key down now that this keyboard pressed.
    std::set<uint32_t> down_;
};

}  // namespace platform::wayland
