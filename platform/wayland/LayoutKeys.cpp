#include "platform/wayland/LayoutKeys.h"

#include <xkbcommon/xkbcommon.h>

#include <QChar>
#include <QString>
#include <algorithm>
#include <array>
#include <memory>
#include <string_view>

#include "platform/CharacterKeysyms.h"
#include "platform/Constants.h"
#include "platform/Cp1252.h"
#include "platform/ShiftStates.h"
#include "platform/SpanishKeyPositions.h"
#include "platform/wayland/CharacterKeymap.h"

namespace platform::wayland {
namespace {

// XKB numbers keys from 8 above the input event codes.
constexpr uint32_t kXkbOffset = 8;

// The dead keys that put an accent on the letter before which they are typed, by the
// combining mark the accented letter decomposes into.
constexpr std::array<std::pair<char16_t, xkb_keysym_t>, 7> kDeadAccents = {{
    {u'\u0300', XKB_KEY_dead_grave},
    {u'\u0301', XKB_KEY_dead_acute},
    {u'\u0302', XKB_KEY_dead_circumflex},
    {u'\u0303', XKB_KEY_dead_tilde},
    {u'\u0308', XKB_KEY_dead_diaeresis},
    {u'\u030A', XKB_KEY_dead_abovering},
    {u'\u0327', XKB_KEY_dead_cedilla},
}};

using StatePtr = std::unique_ptr<xkb_state, decltype(&xkb_state_unref)>;

bool TypesCharacters(uint8_t vk) {
    return std::any_of(kSpanishKeyPositions.begin(), kSpanishKeyPositions.end(),
                       [vk](const KeyPosition& position) { return position.vk == vk; });
}

bool SelectsThirdLevel(const XkbLayout& layout, xkb_keycode_t key) {
    const xkb_keysym_t* syms = nullptr;
    return xkb_keymap_key_get_syms_by_level(layout.keymap(), key, layout.group(), 0, &syms) == 1 &&
           syms[0] == XKB_KEY_ISO_Level3_Shift;
}

// The key that selects the third level (AltGr): the right Alt key where it does, as a person
// presses it, else the first that does; none on a layout without a third level.
std::optional<xkb_keycode_t> AltGrKey(const XkbLayout& layout) {
    xkb_keymap* keymap = layout.keymap();
    const xkb_keycode_t rightAlt = xkb_keymap_key_by_name(keymap, "RALT");
    if (rightAlt != XKB_KEYCODE_INVALID && SelectsThirdLevel(layout, rightAlt)) return rightAlt;
    for (xkb_keycode_t key = xkb_keymap_min_keycode(keymap); key <= xkb_keymap_max_keycode(keymap);
         ++key) {
        if (SelectsThirdLevel(layout, key)) return key;
    }
    return std::nullopt;
}

// A keyboard state of the layout's group with the shift state's modifiers held.
StatePtr StateWith(const XkbLayout& layout, const ShiftState& shiftState,
                   std::optional<xkb_keycode_t> altGr) {
    StatePtr state(xkb_state_new(layout.keymap()), &xkb_state_unref);
    if (shiftState.altGr) {
        if (!altGr) return StatePtr(nullptr, &xkb_state_unref);
        xkb_state_update_key(state.get(), *altGr, XKB_KEY_DOWN);
    }
    const xkb_mod_mask_t shift =
        shiftState.shift ? 1u << xkb_keymap_mod_get_index(layout.keymap(), XKB_MOD_NAME_SHIFT) : 0;
    const xkb_mod_mask_t held =
        xkb_state_serialize_mods(state.get(), XKB_STATE_MODS_DEPRESSED) | shift;
    xkb_state_update_mask(state.get(), held, 0, 0, 0, 0, layout.group());
    return state;
}

bool Types(xkb_state* state, xkb_keycode_t key, const std::vector<unsigned long>& keysyms) {
    const xkb_keysym_t typed = xkb_state_key_get_one_sym(state, key);
    return typed != XKB_KEY_NoSymbol &&
           std::find(keysyms.begin(), keysyms.end(), typed) != keysyms.end();
}

// The virtual key and shift state that give one of the keysyms on the Spanish positions.
int16_t FindOnPositions(const XkbLayout& layout, const std::vector<unsigned long>& keysyms) {
    const std::optional<xkb_keycode_t> altGr = AltGrKey(layout);
    for (const ShiftState& shiftState : kShiftStates) {
        const StatePtr state = StateWith(layout, shiftState, altGr);
        if (!state) continue;
        for (const KeyPosition& position : kSpanishKeyPositions) {
            const xkb_keycode_t key = xkb_keymap_key_by_name(layout.keymap(), position.name);
            if (key == XKB_KEYCODE_INVALID || !Types(state.get(), key, keysyms)) continue;
            return static_cast<int16_t>(position.vk | (shiftState.highByte << 8));
        }
    }
    return -1;
}

// The letter and the dead key of the accent that make the accented Windows-1252 character.
std::optional<std::pair<xkb_keysym_t, unsigned long>> DeadKeyAndLetter(char character) {
    const QString decomposed =
        ToQString(std::string_view(&character, 1)).normalized(QString::NormalizationForm_D);
    if (decomposed.size() != 2) return std::nullopt;
    for (const auto& [mark, dead] : kDeadAccents) {
        if (decomposed[1].unicode() == mark) {
            return std::pair{
                dead, static_cast<unsigned long>(xkb_utf32_to_keysym(decomposed[0].unicode()))};
        }
    }
    return std::nullopt;
}

}  // namespace

LayoutKeys::~LayoutKeys() {
    // Never leave a key stuck down in the user's session.
    for (uint32_t code : std::set(down_)) Send(code, false);
}

std::optional<uint32_t> LayoutKeys::CodeOf(uint8_t vk) const {
    if (const std::optional<uint32_t> named = NamedKeyCode(vk)) return named;
    const XkbLayout* layout = layout_.Layout();
    if (layout == nullptr) return std::nullopt;
    for (const KeyPosition& position : kSpanishKeyPositions) {
        if (position.vk != vk) continue;
        const xkb_keycode_t key = xkb_keymap_key_by_name(layout->keymap(), position.name);
        if (key != XKB_KEYCODE_INVALID) return key - kXkbOffset;
    }
    return std::nullopt;
}

void LayoutKeys::keybd_event(uint8_t vk, unsigned flags) {
    if (layout_.Layout() == nullptr) return;
    const bool down = (flags & KEYEVENTF_KEYUP) == 0;
    if (vk == VK_CONTROL || vk == VK_MENU) {
        (vk == VK_CONTROL ? ctrlHeld_ : altHeld_) = down;
        Modifier& modifier = vk == VK_CONTROL ? ctrl_ : alt_;
        modifier.code = CodeOf(vk);
        Set(modifier, down);
        if (!down) Set(altGr_, false);
    } else if (const std::optional<uint32_t> code = CodeOf(vk)) {
        if (down && vk != VK_SHIFT) {
            const std::optional<xkb_keycode_t> altGr = AltGrKey(*layout_.Layout());
            altGr_.code = altGr ? std::optional<uint32_t>(*altGr - kXkbOffset) : std::nullopt;
            HoldCtrlAlt(!(ctrlHeld_ && altHeld_ && TypesCharacters(vk) && altGr_.code));
        }
        Send(*code, down);
    }
}

int16_t LayoutKeys::VkKeyScanA(char character) {
    if (const std::optional<uint8_t> control = ControlKeyTyping(character)) return *control;
    const XkbLayout* layout = layout_.Layout();
    if (layout == nullptr) return -1;
    if (const int16_t found = FindOnPositions(*layout, KeysymsTyping(character)); found != -1) {
        return found;
    }
    if (const unsigned long dead = DeadKeysymTyping(character); dead != 0) {
        return FindOnPositions(*layout, {dead});
    }
    return -1;
}

bool LayoutKeys::SpanishLayoutActive() {
    const XkbLayout* layout = layout_.Layout();
    return layout != nullptr && IsSpanishLayoutName(layout->LayoutName());
}

bool LayoutKeys::TypeCharacter(char character) {
    if (layout_.Layout() == nullptr) return false;
    if (const std::optional<Keystroke> keystroke = KeystrokeTyping(KeysymsTyping(character))) {
        Type(*keystroke);
        return true;
    }
    const auto accented = DeadKeyAndLetter(character);
    if (!accented) return false;
    const std::optional<Keystroke> dead = KeystrokeTyping({accented->first});
    const std::optional<Keystroke> letter = KeystrokeTyping({accented->second});
    if (!dead || !letter) return false;
    Type(*dead);
    Type(*letter);
    return true;
}

std::optional<LayoutKeys::Keystroke> LayoutKeys::KeystrokeTyping(
    const std::vector<unsigned long>& keysyms) const {
    const XkbLayout& layout = *layout_.Layout();
    if (keysyms.empty()) return std::nullopt;
    const std::optional<xkb_keycode_t> altGr = AltGrKey(layout);
    const std::optional<uint32_t> shift = NamedKeyCode(VK_SHIFT);
    for (const ShiftState& shiftState : kShiftStates) {
        const StatePtr state = StateWith(layout, shiftState, altGr);
        if (!state) continue;
        xkb_keymap* keymap = layout.keymap();
        for (xkb_keycode_t key = xkb_keymap_min_keycode(keymap);
             key <= xkb_keymap_max_keycode(keymap); ++key) {
            if (!Types(state.get(), key, keysyms)) continue;
            Keystroke keystroke{key - kXkbOffset, {}};
            if (shiftState.shift) keystroke.held.push_back(*shift);
            if (shiftState.altGr) keystroke.held.push_back(*altGr - kXkbOffset);
            return keystroke;
        }
    }
    return std::nullopt;
}

void LayoutKeys::Type(const Keystroke& keystroke) {
    for (uint32_t modifier : keystroke.held) Send(modifier, true);
    Send(keystroke.code, true);
    Send(keystroke.code, false);
    for (auto modifier = keystroke.held.rbegin(); modifier != keystroke.held.rend(); ++modifier) {
        Send(*modifier, false);
    }
}

void LayoutKeys::HoldCtrlAlt(bool held) {
    if (held) Set(altGr_, false);
    Set(ctrl_, held && ctrlHeld_);
    Set(alt_, held && altHeld_);
    if (!held) Set(altGr_, true);
}

void LayoutKeys::Set(Modifier& modifier, bool down) {
    if (modifier.down == down || !modifier.code) return;
    Send(*modifier.code, down);
    modifier.down = down;
}

void LayoutKeys::Send(uint32_t code, bool down) {
    if (down) {
        down_.insert(code);
    } else {
        down_.erase(code);
    }
    sink_.Key(code, down);
}

}  // namespace platform::wayland
