#include "ui/Timer.h"

Timer::Timer(platform::Time& time, int intervalMs, std::function<void()> onTimer)
    : source_(time.CreateTimer(std::move(onTimer))), interval_(intervalMs) {}

void Timer::SetEnabled(bool enabled) {
    enabled_ = enabled;
    if (enabled_ && interval_ > 0) {
        source_->start(interval_);
    } else {
        source_->stop();
    }
}

void Timer::SetInterval(int intervalMs) {
    interval_ = intervalMs;
    SetEnabled(enabled_);
}
