#include "upctv/Transport.h"

#include <utility>

namespace upctv {

void Transport::Submit(std::string utf8) {
    {
        std::lock_guard lock(mutex_);
        ++currentId_;
        paused_ = false;
        busy_ = !utf8.empty();
        pending_.reset();
        if (busy_) pending_ = Request{std::move(utf8), voice_, currentId_};
    }
    changed_.notify_all();
}

void Transport::Stop() {
    {
        std::lock_guard lock(mutex_);
        ++currentId_;
        pending_.reset();
        busy_ = false;
        paused_ = false;
    }
    changed_.notify_all();
}

void Transport::Pause() {
    {
        std::lock_guard lock(mutex_);
        paused_ = busy_;
    }
    changed_.notify_all();
}

void Transport::Resume() {
    {
        std::lock_guard lock(mutex_);
        paused_ = false;
    }
    changed_.notify_all();
}

void Transport::SetLanguage(int language) {
    std::lock_guard lock(mutex_);
    if (IsKnownLanguage(language)) voice_.language = language;
}

void Transport::SetSpeaker(int speaker) {
    std::lock_guard lock(mutex_);
    if (IsKnownSpeaker(speaker)) voice_.speaker = speaker;
}

void Transport::SetSpeed(int speed) {
    std::lock_guard lock(mutex_);
    voice_.speed = ClampSpeed(speed);
}

void Transport::SetNaturalVoice(bool on) {
    {
        std::lock_guard lock(mutex_);
        voice_.natural = on;
        if (!on || pending_) return;
        pending_ = Request{{}, voice_, currentId_, true};
    }
    changed_.notify_all();
}

bool Transport::Busy() const {
    std::lock_guard lock(mutex_);
    return busy_;
}

void Transport::Close() {
    {
        std::lock_guard lock(mutex_);
        closing_ = true;
        ++currentId_;
        pending_.reset();
        busy_ = false;
    }
    changed_.notify_all();
}

std::optional<Request> Transport::NextRequest() {
    std::unique_lock lock(mutex_);
    changed_.wait(lock, [this] { return closing_ || pending_.has_value(); });
    if (closing_) return std::nullopt;
    return std::exchange(pending_, std::nullopt);
}

void Transport::Finished(std::uint64_t id) {
    std::lock_guard lock(mutex_);
    if (id != currentId_) return;
    busy_ = false;
    paused_ = false;
}

bool Transport::Current(std::uint64_t id) const {
    std::lock_guard lock(mutex_);
    return CurrentLocked(id);
}

bool Transport::Paused(std::uint64_t id) const {
    std::lock_guard lock(mutex_);
    return CurrentLocked(id) && paused_;
}

bool Transport::SleepUntil(Clock::time_point deadline, std::uint64_t id) {
    std::unique_lock lock(mutex_);
    clock_.WaitUntil(lock, changed_, deadline, [&] { return !CurrentLocked(id) || paused_; });
    return CurrentLocked(id);
}

bool Transport::WaitWhilePaused(std::uint64_t id) {
    std::unique_lock lock(mutex_);
    changed_.wait(lock, [&] { return !CurrentLocked(id) || !paused_; });
    return CurrentLocked(id);
}

bool Transport::CurrentLocked(std::uint64_t id) const { return !closing_ && id == currentId_; }

}  // namespace upctv
