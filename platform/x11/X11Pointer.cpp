#include "platform/x11/X11Pointer.h"

namespace platform::x11 {

bool X11Pointer::SetCursorPos(int x, int y) {
    XWarpPointer(connection_.display(), None, connection_.root(), 0, 0, 0, 0, x, y);
    XFlush(connection_.display());
    return true;
}

}  // namespace platform::x11
