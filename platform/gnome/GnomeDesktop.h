#pragma once

#include <memory>

#include "platform/Desktop.h"

namespace platform {

// The desktop of GNOME's compositor, mutter: keys and the pointer through mutter's remote
// desktop session on the session bus, on the user's own layout; the window in front and its
// title through the accessibility bus. Call once a QApplication exists on Qt's wayland
// platform; throws std::runtime_error when mutter gives no session or the session has no
// accessibility bus.
std::unique_ptr<Desktop> CreateGnomeDesktop();

// Whether mutter starts a remote desktop session for this program; call before the
// application object exists, when the session's desktop is GNOME.
bool MutterLetsIn();

}  // namespace platform
