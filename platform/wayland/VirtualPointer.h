#pragma once

#include <cstdint>

#include "platform/Types.h"
#include "platform/wayland/LayoutPointer.h"
#include "platform/wayland/Outputs.h"
#include "platform/wayland/WaylandConnection.h"

struct zwlr_virtual_pointer_v1;

namespace platform::wayland {

// The seat's pointer, moved (and, for tests and benches, clicked) through a virtual pointer.
class VirtualPointer final : public PointerDevice {
  public:
    VirtualPointer(WaylandConnection& connection, const Outputs& outputs);
    ~VirtualPointer() override;
    VirtualPointer(const VirtualPointer&) = delete;
    VirtualPointer& operator=(const VirtualPointer&) = delete;

    // Puts the pointer at the point of the layout (logical pixels); false outside every output.
    bool MoveTo(Point point) override;
    // Moves the pointer by so many logical pixels from where it is.
    void MoveBy(int dx, int dy);
    // Presses or releases a button (Linux input event code: 0x110 is the left button).
    void Button(uint32_t button, bool down);

  private:
    WaylandConnection& connection_;
    const Outputs& outputs_;
    zwlr_virtual_pointer_v1* pointer_ = nullptr;
};

}  // namespace platform::wayland
