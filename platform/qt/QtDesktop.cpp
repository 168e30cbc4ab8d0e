#include "platform/qt/QtDesktop.h"

#include <QCoreApplication>

#include "platform/qt/QtMessageBox.h"

namespace platform::qt {

int QtDesktop::MessageBoxA(QWidget* owner, const char* text, const char* caption, unsigned type) {
    return ShowMessageBox(owner, text, caption, type);
}

void QtDesktop::ProcessMessages() { QCoreApplication::processEvents(); }

}  // namespace platform::qt
