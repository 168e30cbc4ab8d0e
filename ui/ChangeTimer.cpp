#include "ui/ChangeTimer.h"

ChangeTimer::ChangeTimer(platform::Time& time, int intervalMs, std::function<void()> onTimer)
    : onTimer_(std::move(onTimer)),
      source_(time.CreateTimer([this] { Tick(); })),
      interval_(intervalMs) {}

void ChangeTimer::SetEnabled(bool enabled) {
    enabled_ = enabled;
    due_ = enabled;
    if (enabled) {
        source_->start(interval_);
    } else {
        source_->stop();
    }
}

void ChangeTimer::Changed() {
    if (!enabled_ || due_) return;
    due_ = true;
    source_->start(interval_);
}

void ChangeTimer::Tick() {
    source_->stop();
    due_ = false;
    onTimer_();
}
