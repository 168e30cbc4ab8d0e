#pragma once

#include <memory>
#include <optional>
#include <string>
#include <vector>

#include "platform/Desktop.h"

namespace platform {

// The interface names of the globals the session's Wayland compositor offers this program;
// nullopt when no compositor answers on WAYLAND_DISPLAY.
std::optional<std::vector<std::string>> OfferedWaylandGlobals();

// The desktop of a wlroots compositor: windows through wlr-foreign-toplevel-management, keys
// through a virtual keyboard, the pointer through a virtual pointer. Call once a QApplication
// exists on Qt's wayland platform; throws std::runtime_error when the compositor cannot be
// reached.
std::unique_ptr<Desktop> CreateWaylandDesktop();

}  // namespace platform
