#include "platform/wayland/SeatKeyboard.h"

#include <sys/mman.h>
#include <unistd.h>
#include <wayland-client.h>

#include <cstring>
#include <string>

namespace platform::wayland {

SeatKeyboard::SeatKeyboard(WaylandConnection& connection) {
    static const wl_seat_listener listener = {
        .capabilities = &SeatKeyboard::OnCapabilities,
        .name = [](void*, wl_seat*, const char*) {},
    };
    wl_seat_add_listener(connection.seat(), &listener, this);
}

SeatKeyboard::~SeatKeyboard() {
    if (keyboard_ != nullptr) wl_keyboard_destroy(keyboard_);
}

// A seat has its keyboard once a keyboard device is plugged in, or KWin's fake input device
// made.
void SeatKeyboard::OnCapabilities(void* data, wl_seat* seat, uint32_t capabilities) {
    auto* self = static_cast<SeatKeyboard*>(data);
    if ((capabilities & WL_SEAT_CAPABILITY_KEYBOARD) == 0 || self->keyboard_ != nullptr) return;
    static const wl_keyboard_listener listener = {
        .keymap = &SeatKeyboard::OnKeymap,
        .enter = [](void*, wl_keyboard*, uint32_t, wl_surface*, wl_array*) {},
        .leave = [](void*, wl_keyboard*, uint32_t, wl_surface*) {},
        .key = [](void*, wl_keyboard*, uint32_t, uint32_t, uint32_t, uint32_t) {},
        .modifiers = &SeatKeyboard::OnModifiers,
        .repeat_info = [](void*, wl_keyboard*, int32_t, int32_t) {},
    };
    self->keyboard_ = wl_seat_get_keyboard(seat);
    wl_keyboard_add_listener(self->keyboard_, &listener, self);
}

void SeatKeyboard::OnKeymap(void* data, wl_keyboard* /*keyboard*/, uint32_t format, int32_t fd,
                            uint32_t size) {
    auto* self = static_cast<SeatKeyboard*>(data);
    if (format == WL_KEYBOARD_KEYMAP_FORMAT_XKB_V1 && size > 0) {
        void* text = mmap(nullptr, size, PROT_READ, MAP_PRIVATE, fd, 0);
        if (text != MAP_FAILED) {
            const auto* begin = static_cast<const char*>(text);
            std::unique_ptr<XkbLayout> layout =
                XkbLayout::FromText(std::string(begin, strnlen(begin, size)));
            munmap(text, size);
            if (layout) self->layout_ = std::move(layout);
        }
    }
    close(fd);
}

void SeatKeyboard::OnModifiers(void* data, wl_keyboard* /*keyboard*/, uint32_t /*serial*/,
                               uint32_t /*depressed*/, uint32_t /*latched*/, uint32_t /*locked*/,
                               uint32_t group) {
    auto* self = static_cast<SeatKeyboard*>(data);
    if (self->layout_) self->layout_->SetGroup(group);
}

}  // namespace platform::wayland
