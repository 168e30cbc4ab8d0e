// Qt's headers must come before Xlib's, which the window list's header brings.
#include <QWidget>

#include "platform/x11/X11Windows.h"

namespace platform::x11 {

HWND X11Windows::HandleOf(QWidget* topLevel) {
    return topLevel != nullptr ? topLevel->window()->winId() : 0;
}

}  // namespace platform::x11
