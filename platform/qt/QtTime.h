#pragma once

#include <QTimer>
#include <cstdint>
#include <functional>
#include <memory>

#include "platform/Time.h"

namespace platform::qt {

// A repeating QTimer on the UI thread.
class QtTimerSource : public TimerSource {
  public:
    explicit QtTimerSource(std::function<void()> onTick);
    void start(int intervalMs) override;
    void stop() override;

  private:
    QTimer timer_;
};

// Time from the monotonic clock and waits on Qt's event loop.
class QtTime {
  public:
    uint32_t GetTickCount();
    void WaitForMessages(int ms);
    std::unique_ptr<TimerSource> CreateTimer(std::function<void()> onTick);
};

}  // namespace platform::qt
