#include "platform/gnome/EventLoopWait.h"

#include <QCoreApplication>
#include <QDeadlineTimer>
#include <QTimer>
#include <algorithm>

namespace platform::gnome {

bool WaitUntil(const std::function<bool()>& condition, std::chrono::milliseconds limit) {
    const QDeadlineTimer deadline(limit, Qt::PreciseTimer);
    // Wakes the wait at the deadline when nothing else comes. It is armed again for what is
    // left after every wake: a timer may fire a little early, and a wait left without one
    // would sleep until some unrelated event came, perhaps never.
    QTimer wake;
    wake.setSingleShot(true);
    wake.setTimerType(Qt::PreciseTimer);
    while (!condition()) {
        if (deadline.hasExpired()) return false;
        wake.start(std::max<qint64>(1, deadline.remainingTime()));
        QCoreApplication::processEvents(QEventLoop::WaitForMoreEvents);
    }
    return true;
}

}  // namespace platform::gnome
