#pragma once

#include <map>
#include <memory>

#include "platform/Types.h"
#include "platform/wayland/WaylandConnection.h"

namespace platform::wayland {

// The outputs (screens) of the session and where each lies in the compositor's layout, in
// logical pixels, the units of the layout and of the pointer.
class Outputs {
  public:
    explicit Outputs(WaylandConnection& connection);
    ~Outputs();
    Outputs(const Outputs&) = delete;
    Outputs& operator=(const Outputs&) = delete;

    // The box that holds every output; empty before the compositor has told any.
    Rect Layout() const;
    // The first output, which start-up takes for the screen.
    Rect First() const;
    // The scale of the output that holds the point, 1 when none does.
    int ScaleAt(Point point) const;

  private:
    struct Output;
    WaylandConnection& connection_;
    std::map<uint32_t, std::unique_ptr<Output>> outputs_;
};

}  // namespace platform::wayland
