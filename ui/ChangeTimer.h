#pragma once

#include <functional>
#include <memory>

#include "platform/Time.h"

// A window timer that ticks only after a change: while it is enabled, a tick comes one
// interval after it is enabled, as a repeating timer's first tick would, and then one interval
// after the first change announced since the last tick. Changes in between count once, so
// it ticks at most once an interval, and not at all while nothing changes.
class ChangeTimer {
  public:
    ChangeTimer(platform::Time& time, int intervalMs, std::function<void()> onTimer);

    bool Enabled() const { return enabled_; }
    void SetEnabled(bool enabled);
    int Interval() const { return interval_; }
    // Something the handler looks at may have changed.
    void Changed();

  private:
    void Tick();

    std::function<void()> onTimer_;
    std::unique_ptr<platform::TimerSource> source_;
    int interval_;
    bool enabled_ = false;
    bool due_ = false;
};
