#include "platform/qt/QtTime.h"

#include <QCoreApplication>
#include <QEventLoop>
#include <chrono>

namespace platform::qt {

QtTimerSource::QtTimerSource(std::function<void()> onTick) {
    QObject::connect(&timer_, &QTimer::timeout, [tick = std::move(onTick)] { tick(); });
}

void QtTimerSource::start(int intervalMs) { timer_.start(intervalMs); }

void QtTimerSource::stop() { timer_.stop(); }

uint32_t QtTime::GetTickCount() {
    const auto sinceStart = std::chrono::steady_clock::now().time_since_epoch();
    // Keeping the low 32 bits wraps after about 49.7 days, as the callers expect.
    return static_cast<uint32_t>(
        std::chrono::duration_cast<std::chrono::milliseconds>(sinceStart).count());
}

void QtTime::WaitForMessages(int ms) {
    if (ms <= 0) {
        QCoreApplication::processEvents();
        return;
    }
    QEventLoop loop;
    QTimer::singleShot(ms, Qt::PreciseTimer, &loop, &QEventLoop::quit);
    loop.exec();
}

std::unique_ptr<TimerSource> QtTime::CreateTimer(std::function<void()> onTick) {
    return std::make_unique<QtTimerSource>(std::move(onTick));
}

}  // namespace platform::qt
