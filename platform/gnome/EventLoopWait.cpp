#include "platform/gnome/EventLoopWait.h"

#include <QCoreApplication>
#include <QDeadlineTimer>
#include <QTimer>

namespace platform::gnome {

bool WaitUntil(const std::function<bool()>& condition, std::chrono::milliseconds limit) {
    const QDeadlineTimer deadline(limit);
    // Wakes the wait at the deadline when nothing else comes.
    QTimer wake;
    wake.setSingleShot(true);
    wake.start(limit);
    while (!condition()) {
        if (deadline.hasExpired()) return false;
        QCoreApplication::processEvents(QEventLoop::WaitForMoreEvents);
    }
    return true;
}

}  // namespace platform::gnome
