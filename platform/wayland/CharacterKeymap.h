#pragma once

#include <array>
#include <cstdint>
#include <optional>
#include <string>

namespace platform::wayland {

// The usual Linux input event code of a key the design names by its virtual-key code (Shift,
// Control, Alt, the arrows, Home ...), or none for a key that types characters.
std::optional<uint32_t> NamedKeyCode(uint8_t vk);
// The virtual key of the named key that types a control character (Backspace, Tab, Return,
// Escape), or none.
std::optional<uint8_t> ControlKeyTyping(char character);

// A keyboard of the keyboard's own, uploaded to the compositor with the virtual keyboard: one
// key for each key the design names (Shift, Control, Alt, the arrows, Home ...) and one key for
// each character of Windows-1252 that can be typed, so that a character is always one key
// whatever layout the user's own keyboard has, and no accent needs a dead key.
// Keys are Linux input event codes, as the virtual keyboard sends them.
class CharacterKeymap {
  public:
    CharacterKeymap();

    // The keymap in the XKB text format.
    const std::string& Text() const { return text_; }
    // The key that types the Windows-1252 character, or none for a control it cannot type.
    std::optional<uint32_t> KeyTyping(char character) const;
    // The key of a Windows virtual-key code: a named key, a letter (on the key of its small
    // letter), a digit or the space bar; none for any other code.
    std::optional<uint32_t> KeyOf(uint8_t vk) const;
    // Windows' answer for the character: the virtual key in the low byte, 1 in the high byte
    // when Shift is needed; -1 for a character that has no virtual key of its own.
    int16_t VkKeyScan(char character) const;

  private:
    std::array<std::optional<uint32_t>, 256> characterKeys_{};
    std::array<std::optional<uint32_t>, 256> virtualKeys_{};
    std::string text_;
};

}  // namespace platform::wayland
