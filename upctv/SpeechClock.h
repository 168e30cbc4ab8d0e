#pragma once

#include <chrono>
#include <condition_variable>
#include <functional>
#include <mutex>

namespace upctv {

using Clock = std::chrono::steady_clock;

// The time that speech keeps pace with, and the timed waits of the speaking thread: the steady
// clock in the library; a clock of their own in tests, which need not wait for real seconds.
class SpeechClock {
  public:
    virtual ~SpeechClock() = default;
    virtual Clock::time_point Now() const = 0;
    // Waits on `changed`, with `lock` held on its mutex, until `done` holds or the deadline has
    // come.
    virtual void WaitUntil(std::unique_lock<std::mutex>& lock, std::condition_variable& changed,
                           Clock::time_point deadline, const std::function<bool()>& done) = 0;
};

// The steady clock, shared by every engine.
SpeechClock& SteadyClock();

}  // namespace upctv
