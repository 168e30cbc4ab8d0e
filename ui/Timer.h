#pragma once

#include <functional>
#include <memory>

#include "platform/Time.h"

// A window timer as the design knows it: enabled or not, an interval, one handler.
// Changing the interval of an enabled timer starts its period again.
class Timer {
  public:
    Timer(platform::Time& time, int intervalMs, std::function<void()> onTimer);

    bool Enabled() const { return enabled_; }
    void SetEnabled(bool enabled);
    int Interval() const { return interval_; }
    void SetInterval(int intervalMs);

  private:
    std::unique_ptr<platform::TimerSource> source_;
    int interval_;
    bool enabled_ = false;
};
