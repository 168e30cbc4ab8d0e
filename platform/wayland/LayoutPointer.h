#pragma once

#include "platform/Pointer.h"
#include "platform/wayland/Outputs.h"
#include "platform/wayland/OwnWindows.h"

namespace platform::wayland {

// A pointer device of the compositor's seat.
class PointerDevice {
  public:
    virtual ~PointerDevice() = default;
    // Puts the pointer at the point of the layout (logical pixels); false outside every output.
    virtual bool MoveTo(Point point) = 0;
};

// The seat's pointer in the layout's pixels: the toolkit does not know where the compositor
// put the program's windows, so their points are found from what the compositor tells.
class LayoutPointer final : public Pointer {
  public:
    LayoutPointer(PointerDevice& device, const OwnWindows& ownWindows, const Outputs& outputs)
        : device_(device), ownWindows_(ownWindows), outputs_(outputs) {}

    bool SetCursorPos(int x, int y) override { return device_.MoveTo(Point{x, y}); }
    Point ClientToScreen(const QWidget* widget, Point client) override {
        return ownWindows_.ClientToScreen(widget, client, outputs_);
    }

  private:
    PointerDevice& device_;
    const OwnWindows& ownWindows_;
    const Outputs& outputs_;
};

}  // namespace platform::wayland
