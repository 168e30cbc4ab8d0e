#pragma once

#include <memory>

#include "platform/Desktop.h"

namespace platform {

// The desktop of KDE Plasma's compositor, KWin: windows through its window management
// protocol, keys and the pointer through its fake input device, keys on the user's own
// layout. Call once a QApplication exists on Qt's wayland platform; throws
// std::runtime_error when KWin cannot be reached or does not offer those protocols to this
// program (its desktop file must ask for them).
std::unique_ptr<Desktop> CreateKWinDesktop();

}  // namespace platform
