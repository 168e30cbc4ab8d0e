#pragma once

#include <cstdint>
#include <functional>
#include <memory>

namespace platform {

// A repeating timer whose ticks arrive as window messages on the UI thread.
class TimerSource {
  public:
    virtual ~TimerSource() = default;
    virtual void start(int intervalMs) = 0;
    virtual void stop() = 0;
};

// Time as the keyboard sees it.
class Time {
  public:
    virtual ~Time() = default;
    // Milliseconds since an arbitrary start, wrapping after about 49.7 days.
    virtual uint32_t GetTickCount() = 0;
    // Handles window messages as they come for up to ms milliseconds, sleeping while none come.
    virtual void WaitForMessages(int ms) = 0;
    // A timer that calls onTick on the UI thread while started.
    virtual std::unique_ptr<TimerSource> CreateTimer(std::function<void()> onTick) = 0;
};

}  // namespace platform
