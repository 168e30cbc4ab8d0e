#pragma once

#include <cstdint>

#include "platform/DesktopParts.h"
#include "platform/wayland/CharacterKeymap.h"
#include "platform/wayland/WaylandConnection.h"

struct zwp_virtual_keyboard_v1;

namespace platform::wayland {

// Key events for the window that has the keyboard focus, through a virtual keyboard of the
// seat that carries the keyboard's own keymap.
class VirtualKeyboard final : public KeySender {
  public:
    explicit VirtualKeyboard(WaylandConnection& connection);
    ~VirtualKeyboard() override;
    VirtualKeyboard(const VirtualKeyboard&) = delete;
    VirtualKeyboard& operator=(const VirtualKeyboard&) = delete;

    // Whether the compositor took the keymap; without it no key can be sent.
    bool Ready() const { return ready_; }
    const CharacterKeymap& keymap() const { return keymap_; }

    void keybd_event(uint8_t vk, unsigned flags) override;
    int16_t VkKeyScanA(char character) override { return keymap_.VkKeyScan(character); }
    // The keys carry the keyboard's own keymap, not the Spanish one.
    bool SpanishLayoutActive() override { return false; }
    // One press and release of the character's own key; false when it has none.
    bool TypeCharacter(char character) override;

  private:
    void Send(uint32_t key, bool down);

    WaylandConnection& connection_;
    CharacterKeymap keymap_;
    zwp_virtual_keyboard_v1* keyboard_ = nullptr;
    bool ready_ = false;
    // The modifiers held down, as XKB masks of the keymap's real modifiers.
    uint32_t modifiers_ = 0;
};

}  // namespace platform::wayland
