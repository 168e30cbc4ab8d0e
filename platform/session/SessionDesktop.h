#pragma once

#include <memory>

#include "platform/BackendChoice.h"
#include "platform/Desktop.h"

namespace platform {

// The session's facts from the environment and, when a Wayland display is named, from the
// compositor itself. Call before the application object exists.
SessionFacts ReadSessionFacts();

// The desktop of the chosen backend. Call once a QApplication exists on the toolkit platform
// the backend needs; throws std::runtime_error when its display cannot be reached, or for
// Backend::None.
std::unique_ptr<Desktop> CreateDesktop(Backend backend);

}  // namespace platform
