#include "platform/wayland/VirtualKeyboard.h"

#include <sys/mman.h>
#include <unistd.h>
#include <wayland-client.h>

#include "platform/Constants.h"
#include "platform/wayland/EventTime.h"
#include "virtual-keyboard-unstable-v1-client-protocol.h"

namespace platform::wayland {
namespace {

// XKB gives the real modifiers the first masks in this order: Shift, Lock, Control, Mod1.
constexpr uint32_t kShiftMask = 1u << 0;
constexpr uint32_t kControlMask = 1u << 2;
constexpr uint32_t kAltMask = 1u << 3;

uint32_t MaskOf(uint8_t vk) {
    switch (vk) {
        case VK_SHIFT:
            return kShiftMask;
        case VK_CONTROL:
            return kControlMask;
        case VK_MENU:
            return kAltMask;
        default:
            return 0;
    }
}

// The compositor maps the keymap from a file of its own; a memory file needs no disk.
int KeymapFile(const std::string& text) {
    const int fd = memfd_create("orvalet-keymap", MFD_CLOEXEC);
    if (fd < 0) return -1;
    const size_t size = text.size() + 1;
    if (write(fd, text.c_str(), size) != static_cast<ssize_t>(size)) {
        close(fd);
        return -1;
    }
    return fd;
}

}  // namespace

VirtualKeyboard::VirtualKeyboard(WaylandConnection& connection) : connection_(connection) {
    keyboard_ = zwp_virtual_keyboard_manager_v1_create_virtual_keyboard(
        connection_.keyboardManager(), connection_.seat());
    const int fd = KeymapFile(keymap_.Text());
    if (fd < 0) return;
    zwp_virtual_keyboard_v1_keymap(keyboard_, WL_KEYBOARD_KEYMAP_FORMAT_XKB_V1, fd,
                                   static_cast<uint32_t>(keymap_.Text().size() + 1));
    // The request holds a copy of the descriptor.
    close(fd);
    zwp_virtual_keyboard_v1_modifiers(keyboard_, 0, 0, 0, 0);
    ready_ = connection_.Roundtrip();
}

VirtualKeyboard::~VirtualKeyboard() {
    // Never leave a modifier held down in the user's session.
    for (uint8_t vk : {VK_SHIFT, VK_CONTROL, VK_MENU}) {
        if ((modifiers_ & MaskOf(vk)) != 0) keybd_event(vk, KEYEVENTF_KEYUP);
    }
    zwp_virtual_keyboard_v1_destroy(keyboard_);
    connection_.Flush();
}

void VirtualKeyboard::keybd_event(uint8_t vk, unsigned flags) {
    const std::optional<uint32_t> key = keymap_.KeyOf(vk);
    if (!ready_ || !key) return;
    const bool down = (flags & KEYEVENTF_KEYUP) == 0;
    Send(*key, down);
    if (const uint32_t mask = MaskOf(vk); mask != 0) {
        modifiers_ = down ? (modifiers_ | mask) : (modifiers_ & ~mask);
        zwp_virtual_keyboard_v1_modifiers(keyboard_, modifiers_, 0, 0, 0);
    }
    connection_.Flush();
}

bool VirtualKeyboard::TypeCharacter(char character) {
    const std::optional<uint32_t> key = keymap_.KeyTyping(character);
    if (!ready_ || !key) return false;
    Send(*key, true);
    Send(*key, false);
    connection_.Flush();
    return true;
}

void VirtualKeyboard::Send(uint32_t key, bool down) {
    zwp_virtual_keyboard_v1_key(
        keyboard_, EventTimeMs(), key,
        down ? WL_KEYBOARD_KEY_STATE_PRESSED : WL_KEYBOARD_KEY_STATE_RELEASED);
}

}  // namespace platform::wayland
