#pragma once

#include <memory>
#include <optional>
#include <string>
#include <vector>

#include "platform/Desktop.h"

namespace platform {

// What the session's Wayland compositor lacks for the keyboard: nullopt when no compositor
// answers on WAYLAND_DISPLAY, else the interface names of the protocols it does not offer
// (empty when it offers them all, as wlroots compositors do).
std::optional<std::vector<std::string>> MissingWaylandProtocols();

// The desktop of a wlroots compositor: windows through wlr-foreign-toplevel-management, keys
// through a virtual keyboard, the pointer through a virtual pointer. Call once a QApplication
// exists on Qt's wayland platform; throws std::runtime_error when the compositor cannot be
// reached or lacks a protocol.
std::unique_ptr<Desktop> CreateWaylandDesktop();

}  // namespace platform
