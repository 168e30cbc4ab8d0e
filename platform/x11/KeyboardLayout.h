#pragma once

#include <X11/XKBlib.h>

#include <array>
#include <cstdint>
#include <optional>
#include <string>
#include <vector>

#include "platform/x11/X11Connection.h"

namespace platform::x11 {

// A key that types a keysym, with the modifier keys to hold down around it in this order.
struct Keystroke {
    KeyCode keycode = 0;
    std::vector<KeyCode> held;
};

// The keyboard layout active in the X server, seen through Windows virtual-key codes: each
// code stands for the physical key the Windows Spanish layout gives it, so a code found for a
// character types that character on whatever layout the server runs.
class KeyboardLayout {
  public:
    explicit KeyboardLayout(X11Connection& connection);
    ~KeyboardLayout();
    KeyboardLayout(const KeyboardLayout&) = delete;
    KeyboardLayout& operator=(const KeyboardLayout&) = delete;

    // The X keycode of a virtual key, or 0 when this keyboard has no such key.
    KeyCode KeycodeOf(uint8_t vk);
    // Whether the virtual key types characters (as opposed to Shift, arrows, Return ...).
    bool TypesCharacters(uint8_t vk) const;
    // The key that selects the third level (AltGr), or 0.
    KeyCode AltGrKeycode();
    // Virtual key in the low byte and shift state in the high byte (1 Shift, 6 AltGr), or -1.
    int16_t VkKeyScan(char character);

    // Whether the active group holds the Spanish (Spain) layout.
    bool IsSpanish();
    // Waits until the server has carried out every request sent so far, and reloads the
    // keymap if they changed it.
    void CatchUp();
    // The key of the active group that types one of the keysyms, with Shift, AltGr or both,
    // as the locked modifiers (Caps Lock) stand; the fewest modifiers first.
    std::optional<Keystroke> KeystrokeTyping(const std::vector<KeySym>& keysyms);
    // The keycodes that type nothing on this keymap, highest first.
    std::vector<KeyCode> EmptyKeycodes() const;
    // What a keycode types with no modifier in the first group, or NoSymbol.
    KeySym KeysymOf(KeyCode keycode) const;

  private:
    void OnEvent(const XEvent& event);
    void Reload();
    void ReloadIfChanged();
    int16_t FindNamed(const std::vector<KeySym>& keysyms) const;
    int16_t Find(const std::vector<KeySym>& keysyms);
    KeySym Translate(KeyCode keycode, unsigned modifiers, int group) const;
    const XkbStateRec& State();

    X11Connection& connection_;
    XkbDescPtr keymap_ = nullptr;
    std::array<KeyCode, 256> keycodes_{};
    KeyCode altGrKeycode_ = 0;
    unsigned altGrMask_ = 0;
    int xkbEventBase_ = 0;
    Atom rulesNamesAtom_;
    // What is read from the server is kept until an event says that it has changed: every
    // key asks for it.
    bool changed_ = true;
    std::optional<XkbStateRec> state_;
    // _XKB_RULES_NAMES, empty when the server has none.
    std::optional<std::string> rulesNames_;
};

}  // namespace platform::x11
