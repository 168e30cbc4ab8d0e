#pragma once

#include <cstdint>
#include <memory>

#include "platform/wayland/LayoutKeys.h"
#include "platform/wayland/WaylandConnection.h"
#include "platform/wayland/XkbLayout.h"

struct wl_keyboard;
struct wl_seat;

namespace platform::wayland {

// The keymap of the seat's keyboard and the group in use, as the compositor tells its
// clients: the layout the user's keys, and keys pressed on the seat, type with.
class SeatKeyboard final : public LayoutSource {
  public:
    explicit SeatKeyboard(WaylandConnection& connection);
    ~SeatKeyboard() override;
    SeatKeyboard(const SeatKeyboard&) = delete;
    SeatKeyboard& operator=(const SeatKeyboard&) = delete;

    const XkbLayout* Layout() const override { return layout_.get(); }

  private:
    static void OnCapabilities(void* data, wl_seat* seat, uint32_t capabilities);
    static void OnKeymap(void* data, wl_keyboard* keyboard, uint32_t format, int32_t fd,
                         uint32_t size);
    static void OnModifiers(void* data, wl_keyboard* keyboard, uint32_t serial, uint32_t depressed,
                            uint32_t latched, uint32_t locked, uint32_t group);

    wl_keyboard* keyboard_ = nullptr;
    std::unique_ptr<XkbLayout> layout_;
};

}  // namespace platform::wayland
