#include "platform/wayland/VirtualPointer.h"

#include <wayland-client.h>

#include "platform/wayland/EventTime.h"
#include "wlr-virtual-pointer-unstable-v1-client-protocol.h"

namespace platform::wayland {

VirtualPointer::VirtualPointer(WaylandConnection& connection, const Outputs& outputs)
    : connection_(connection), outputs_(outputs) {
    pointer_ = zwlr_virtual_pointer_manager_v1_create_virtual_pointer(connection_.pointerManager(),
                                                                      connection_.seat());
}

VirtualPointer::~VirtualPointer() {
    zwlr_virtual_pointer_v1_destroy(pointer_);
    connection_.Flush();
}

bool VirtualPointer::MoveTo(Point point) {
    // Absolute motion is a fraction of the box that holds every output.
    const Rect layout = outputs_.Layout();
    const int width = layout.right - layout.left;
    const int height = layout.bottom - layout.top;
    if (point.x < layout.left || point.x >= layout.right || point.y < layout.top ||
        point.y >= layout.bottom) {
        return false;
    }
    zwlr_virtual_pointer_v1_motion_absolute(
        pointer_, EventTimeMs(), static_cast<uint32_t>(point.x - layout.left),
        static_cast<uint32_t>(point.y - layout.top), static_cast<uint32_t>(width),
        static_cast<uint32_t>(height));
    zwlr_virtual_pointer_v1_frame(pointer_);
    connection_.Flush();
    return true;
}

void VirtualPointer::MoveBy(int dx, int dy) {
    zwlr_virtual_pointer_v1_motion(pointer_, EventTimeMs(), wl_fixed_from_int(dx),
                                   wl_fixed_from_int(dy));
    zwlr_virtual_pointer_v1_frame(pointer_);
    connection_.Flush();
}

void VirtualPointer::Button(uint32_t button, bool down) {
    zwlr_virtual_pointer_v1_button(
        pointer_, EventTimeMs(), button,
        down ? WL_POINTER_BUTTON_STATE_PRESSED : WL_POINTER_BUTTON_STATE_RELEASED);
    zwlr_virtual_pointer_v1_frame(pointer_);
    connection_.Flush();
}

}  // namespace platform::wayland
