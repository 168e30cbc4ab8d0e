#include "upctv/SpeechClock.h"

namespace upctv {
namespace {

class Steady final : public SpeechClock {
  public:
    Clock::time_point Now() const override { return Clock::now(); }
    void WaitUntil(std::unique_lock<std::mutex>& lock, std::condition_variable& changed,
                   Clock::time_point deadline, const std::function<bool()>& done) override {
        changed.wait_until(lock, deadline, done);
    }
};

}  // namespace

SpeechClock& SteadyClock() {
    static Steady clock;
    return clock;
}

}  // namespace upctv
