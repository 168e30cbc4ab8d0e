#include "platform/x11/KeyboardLayout.h"

#include <X11/Xatom.h>
#include <X11/keysym.h>

#include <algorithm>
#include <cstring>

#include "platform/CharacterKeysyms.h"
#include "platform/Constants.h"
#include "platform/ShiftStates.h"
#include "platform/SpanishKeyPositions.h"
#include "platform/x11/NamedKeysyms.h"
#include "platform/x11/SpanishLayoutName.h"

namespace platform::x11 {
namespace {

constexpr unsigned kKeymapParts = XkbKeyTypesMask | XkbKeySymsMask;
constexpr unsigned kKeymapEvents = XkbNewKeyboardNotifyMask | XkbMapNotifyMask;
// The parts of the keyboard state that choosing a key reads: the group and the locked
// modifiers (Caps Lock). Shift and AltGr as this program presses them change neither.
constexpr unsigned kStateParts = XkbGroupStateMask | XkbModifierLockMask;

}  // namespace

KeyboardLayout::KeyboardLayout(X11Connection& connection)
    : connection_(connection), rulesNamesAtom_(connection.atom("_XKB_RULES_NAMES")) {
    int opcode = 0;
    int errorBase = 0;
    int major = XkbMajorVersion;
    int minor = XkbMinorVersion;
    Display* display = connection_.display();
    if (XkbQueryExtension(display, &opcode, &xkbEventBase_, &errorBase, &major, &minor)) {
        XkbSelectEvents(display, XkbUseCoreKbd, kKeymapEvents, kKeymapEvents);
        XkbSelectEventDetails(display, XkbUseCoreKbd, XkbStateNotify, kStateParts, kStateParts);
    }
    // The layout's names change with setxkbmap.
    connection_.SelectEvents(connection_.root(), PropertyChangeMask);
    connection_.AddEventHandler([this](const XEvent& event) { OnEvent(event); });
}

KeyboardLayout::~KeyboardLayout() {
    connection_.UnselectEvents(connection_.root(), PropertyChangeMask);
    if (keymap_ != nullptr) XkbFreeKeyboard(keymap_, XkbAllComponentsMask, True);
}

void KeyboardLayout::OnEvent(const XEvent& event) {
    if (event.type == PropertyNotify && event.xproperty.window == connection_.root() &&
        event.xproperty.atom == rulesNamesAtom_) {
        rulesNames_.reset();
    }
    if (event.type != xkbEventBase_ + XkbEventCode) return;
    // A new keyboard or keymap may also come with another group.
    if (reinterpret_cast<const XkbAnyEvent&>(event).xkb_type != XkbStateNotify) changed_ = true;
    state_.reset();
}

void KeyboardLayout::ReloadIfChanged() {
    connection_.DispatchPending();
    if (changed_) Reload();
}

void KeyboardLayout::Reload() {
    changed_ = false;
    Display* display = connection_.display();
    if (keymap_ != nullptr) XkbFreeKeyboard(keymap_, XkbAllComponentsMask, True);
    keymap_ = XkbGetMap(display, kKeymapParts, XkbUseCoreKbd);
    keycodes_.fill(0);
    if (keymap_ == nullptr || XkbGetNames(display, XkbKeyNamesMask, keymap_) != Success) return;
    for (int keycode = keymap_->min_key_code; keycode <= keymap_->max_key_code; ++keycode) {
        const char* name = keymap_->names->keys[keycode].name;
        for (const KeyPosition& position : kSpanishKeyPositions) {
            if (strncmp(name, position.name, XkbKeyNameLength) == 0) {
                keycodes_[position.vk] = static_cast<KeyCode>(keycode);
            }
        }
    }
    for (const NamedKey& key : kNamedKeys)
        keycodes_[key.vk] = XKeysymToKeycode(display, key.keysym);
    altGrKeycode_ = XKeysymToKeycode(display, XK_ISO_Level3_Shift);
    altGrMask_ = XkbKeysymToModifiers(display, XK_ISO_Level3_Shift);
}

KeyCode KeyboardLayout::KeycodeOf(uint8_t vk) {
    ReloadIfChanged();
    return keycodes_[vk];
}

KeyCode KeyboardLayout::AltGrKeycode() {
    ReloadIfChanged();
    return altGrKeycode_;
}

bool KeyboardLayout::TypesCharacters(uint8_t vk) const {
    return std::any_of(kSpanishKeyPositions.begin(), kSpanishKeyPositions.end(),
                       [vk](const KeyPosition& position) { return position.vk == vk; });
}

int16_t KeyboardLayout::VkKeyScan(char character) {
    ReloadIfChanged();
    const auto keysyms = KeysymsTyping(character);
    if (const int16_t named = FindNamed(keysyms); named != -1) return named;
    if (const int16_t found = Find(keysyms); found != -1) return found;
    if (const KeySym dead = DeadKeysymTyping(character); dead != NoSymbol) return Find({dead});
    return -1;
}

int16_t KeyboardLayout::FindNamed(const std::vector<KeySym>& keysyms) const {
    for (const NamedKey& key : kNamedKeys) {
        if (keycodes_[key.vk] != 0 &&
            std::find(keysyms.begin(), keysyms.end(), key.keysym) != keysyms.end()) {
            return key.vk;
        }
    }
    return -1;
}

int16_t KeyboardLayout::Find(const std::vector<KeySym>& keysyms) {
    if (keymap_ == nullptr || keysyms.empty()) return -1;
    const int group = State().group;
    for (const ShiftState& shiftState : kShiftStates) {
        if (shiftState.altGr && altGrMask_ == 0) continue;
        const unsigned modifiers =
            (shiftState.shift ? ShiftMask : 0) | (shiftState.altGr ? altGrMask_ : 0);
        for (const KeyPosition& position : kSpanishKeyPositions) {
            const KeyCode keycode = keycodes_[position.vk];
            if (keycode == 0) continue;
            const KeySym keysym = Translate(keycode, modifiers, group);
            if (std::find(keysyms.begin(), keysyms.end(), keysym) != keysyms.end()) {
                return static_cast<int16_t>(position.vk | (shiftState.highByte << 8));
            }
        }
    }
    return -1;
}

bool KeyboardLayout::IsSpanish() {
    connection_.DispatchPending();
    if (!rulesNames_) {
        rulesNames_ = connection_.Property8(connection_.root(), "_XKB_RULES_NAMES", XA_STRING)
                          .value_or(std::string());
    }
    return NamesSpanishLayout(*rulesNames_, State().group);
}

void KeyboardLayout::CatchUp() {
    XSync(connection_.display(), False);
    ReloadIfChanged();
}

std::optional<Keystroke> KeyboardLayout::KeystrokeTyping(const std::vector<KeySym>& keysyms) {
    if (keymap_ == nullptr) return std::nullopt;
    const XkbStateRec state = State();
    for (const ShiftState& shiftState : kShiftStates) {
        if (shiftState.altGr && (altGrMask_ == 0 || altGrKeycode_ == 0)) continue;
        if (shiftState.shift && keycodes_[VK_SHIFT] == 0) continue;
        Keystroke keystroke;
        if (shiftState.shift) keystroke.held.push_back(keycodes_[VK_SHIFT]);
        if (shiftState.altGr) keystroke.held.push_back(altGrKeycode_);
        const unsigned modifiers = (shiftState.shift ? ShiftMask : 0) |
                                   (shiftState.altGr ? altGrMask_ : 0) | state.locked_mods;
        for (int keycode = keymap_->min_key_code; keycode <= keymap_->max_key_code; ++keycode) {
            const KeySym keysym = Translate(static_cast<KeyCode>(keycode), modifiers, state.group);
            if (keysym != NoSymbol &&
                std::find(keysyms.begin(), keysyms.end(), keysym) != keysyms.end()) {
                keystroke.keycode = static_cast<KeyCode>(keycode);
                return keystroke;
            }
        }
    }
    return std::nullopt;
}

std::vector<KeyCode> KeyboardLayout::EmptyKeycodes() const {
    std::vector<KeyCode> empty;
    if (keymap_ == nullptr) return empty;
    for (int keycode = keymap_->max_key_code; keycode >= keymap_->min_key_code; --keycode) {
        if (XkbKeyNumGroups(keymap_, keycode) == 0) empty.push_back(static_cast<KeyCode>(keycode));
    }
    return empty;
}

KeySym KeyboardLayout::KeysymOf(KeyCode keycode) const {
    if (keymap_ == nullptr || XkbKeyNumGroups(keymap_, keycode) == 0) return NoSymbol;
    return XkbKeySymEntry(keymap_, keycode, 0, 0);
}

KeySym KeyboardLayout::Translate(KeyCode keycode, unsigned modifiers, int group) const {
    unsigned consumed = 0;
    KeySym keysym = NoSymbol;
    XkbTranslateKeyCode(keymap_, keycode, XkbBuildCoreState(modifiers, group), &consumed, &keysym);
    return keysym;
}

const XkbStateRec& KeyboardLayout::State() {
    connection_.DispatchPending();
    if (!state_) {
        state_.emplace();
        XkbGetState(connection_.display(), XkbUseCoreKbd, &*state_);
    }
    return *state_;
}

}  // namespace platform::x11
