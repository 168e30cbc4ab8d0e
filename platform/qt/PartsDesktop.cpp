#include "platform/qt/PartsDesktop.h"

#include <QApplication>

namespace platform::qt {

bool PartsDesktop::MessageBeep(unsigned /*type: the desktop has one sound*/) {
    QApplication::beep();
    return true;
}

long PartsDesktop::SendMessageA(HWND window, unsigned message, uintptr_t wParam, intptr_t lParam) {
    WindowMessages* messages = windowMessages();
    return messages != nullptr ? messages->SendMessageA(window, message, wParam, lParam) : 0;
}

}  // namespace platform::qt
