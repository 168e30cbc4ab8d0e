#include "platform/x11/X11Keyboard.h"

#include <X11/extensions/XTest.h>
#include <X11/keysym.h>

#include <thread>

#include "platform/CharacterKeysyms.h"
#include "platform/Constants.h"

namespace platform::x11 {
namespace {

// A receiving application's input method composes a dead key with the vowel after it as soon
// as both come, while the keys sent just before may still wait in its queue: the accent then
// lands ahead of them ("podrá" arriving as "páodr" in Qt programs). Keys sent this recently
// are given the rest of this time to be read before a dead key goes.
constexpr std::chrono::milliseconds kReadBeforeDeadKey{30};

// The dead keys' keysyms lie together, from dead_grave on.
bool IsDeadKey(KeySym keysym) { return keysym >= XK_dead_grave && keysym <= XK_dead_greek; }

}  // namespace

X11Keyboard::X11Keyboard(X11Connection& connection, KeyboardLayout& layout, Time& time)
    : connection_(connection), layout_(layout), spares_(connection, layout, time) {
    int eventBase = 0;
    int errorBase = 0;
    int major = 0;
    int minor = 0;
    available_ = XTestQueryExtension(connection_.display(), &eventBase, &errorBase, &major, &minor);
}

X11Keyboard::~X11Keyboard() {
    // Never leave a modifier stuck down in the user's session.
    Set(altGr_, false);
    Set(ctrl_, false);
    Set(alt_, false);
    XFlush(connection_.display());
}

void X11Keyboard::keybd_event(uint8_t vk, unsigned flags) {
    if (!available_) return;
    const bool down = (flags & KEYEVENTF_KEYUP) == 0;
    if (vk == VK_CONTROL || vk == VK_MENU) {
        (vk == VK_CONTROL ? ctrlHeld_ : altHeld_) = down;
        Modifier& modifier = vk == VK_CONTROL ? ctrl_ : alt_;
        modifier.keycode = layout_.KeycodeOf(vk);
        Set(modifier, down);
        if (!down) Set(altGr_, false);
    } else if (const KeyCode keycode = layout_.KeycodeOf(vk); keycode != 0) {
        if (down && IsDeadKey(layout_.KeysymOf(keycode))) LetEarlierKeysBeRead();
        if (down && vk != VK_SHIFT) {
            HoldCtrlAlt(!(ctrlHeld_ && altHeld_ && layout_.TypesCharacters(vk) &&
                          layout_.AltGrKeycode() != 0));
        }
        Send(keycode, down);
    }
    XFlush(connection_.display());
}

bool X11Keyboard::TypeCharacter(char character) {
    const std::vector<KeySym> keysyms = KeysymsTyping(character);
    if (!available_ || keysyms.empty()) return false;
    const std::optional<Keystroke> keystroke = KeystrokeTyping(keysyms);
    if (!keystroke) return false;
    Type(*keystroke);
    XFlush(connection_.display());
    return true;
}

// A keycode already lent to the character comes first: typing it again keeps the loan from
// going back, or to another keysym, while a client may still be reading it.
std::optional<Keystroke> X11Keyboard::KeystrokeTyping(const std::vector<KeySym>& keysyms) {
    layout_.CatchUp();
    if (const KeyCode lent = spares_.LentTo(keysyms); lent != 0) return Keystroke{lent, {}};
    if (std::optional<Keystroke> own = layout_.KeystrokeTyping(keysyms)) return own;
    if (const KeyCode lent = spares_.Lend(keysyms.front()); lent != 0) return Keystroke{lent, {}};
    return std::nullopt;
}

void X11Keyboard::Type(const Keystroke& keystroke) {
    for (KeyCode modifier : keystroke.held) Send(modifier, true);
    Send(keystroke.keycode, true);
    Send(keystroke.keycode, false);
    for (auto modifier = keystroke.held.rbegin(); modifier != keystroke.held.rend(); ++modifier) {
        Send(*modifier, false);
    }
}

void X11Keyboard::HoldCtrlAlt(bool held) {
    altGr_.keycode = layout_.AltGrKeycode();
    if (held) Set(altGr_, false);
    Set(ctrl_, held && ctrlHeld_);
    Set(alt_, held && altHeld_);
    if (!held) Set(altGr_, true);
}

void X11Keyboard::Set(Modifier& modifier, bool down) {
    if (modifier.down == down || modifier.keycode == 0) return;
    Send(modifier.keycode, down);
    modifier.down = down;
}

void X11Keyboard::Send(KeyCode keycode, bool down) {
    if (guard_ != nullptr) guard_->BeforeSending(keycode);
    XTestFakeKeyEvent(connection_.display(), keycode, down ? True : False, CurrentTime);
    if (guard_ != nullptr) guard_->AfterSending(keycode);
    lastSent_ = std::chrono::steady_clock::now();
}

void X11Keyboard::LetEarlierKeysBeRead() {
    XSync(connection_.display(), False);
    const auto since = std::chrono::steady_clock::now() - lastSent_;
    if (since < kReadBeforeDeadKey) std::this_thread::sleep_for(kReadBeforeDeadKey - since);
}

}  // namespace platform::x11
