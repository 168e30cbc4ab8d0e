#pragma once

#include <memory>

#include "platform/Desktop.h"

namespace platform {

// The real desktop: X11 with an EWMH window manager, XTest and Qt. Call once a QApplication
// exists; throws std::runtime_error when no X display can be opened.
std::unique_ptr<Desktop> CreateX11Desktop();

}  // namespace platform
