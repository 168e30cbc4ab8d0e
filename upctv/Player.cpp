#include "upctv/Player.h"

#include <algorithm>

namespace upctv {
namespace {

using std::chrono::milliseconds;

// Enough lead to ride over scheduling jitter, short enough that a pause is heard at once.
constexpr milliseconds kLead{60};
constexpr milliseconds kChunk{10};
constexpr milliseconds kSynthesisAhead{1000};

std::size_t Samples(milliseconds duration, int sampleRate) {
    return static_cast<std::size_t>(duration.count()) * sampleRate / 1000;
}

}  // namespace

Player::Player(AudioSink& sink, int sampleRate, Transport& transport, std::uint64_t id)
    : sink_(sink),
      sampleRate_(sampleRate),
      transport_(transport),
      id_(id),
      lead_(Samples(kLead, sampleRate)),
      chunk_(Samples(kChunk, sampleRate)),
      synthesisAhead_(Samples(kSynthesisAhead, sampleRate)) {}

bool Player::Play(std::span<const std::int16_t> samples) {
    queue_.insert(queue_.end(), samples.begin(), samples.end());
    return PlayUntilWaiting(synthesisAhead_);
}

bool Player::Finish() {
    if (!PlayUntilWaiting(0)) return false;
    sink_.Drain();
    return transport_.Current(id_);
}

bool Player::PlayUntilWaiting(std::size_t waiting) {
    while (QueueEnd() - Heard() > waiting) {
        if (!transport_.Current(id_)) return Abandon();
        if (transport_.Paused(id_)) {
            if (!HoldWhilePaused()) return Abandon();
            continue;
        }
        ForgetHeard();
        if (handedOver_ < QueueEnd() && handedOver_ - Heard() < lead_) {
            HandOverNextChunk();
            continue;
        }
        std::size_t next = handedOver_ < QueueEnd() ? handedOver_ - lead_ + chunk_ : QueueEnd();
        if (!transport_.SleepUntil(WhenHeard(next), id_)) return Abandon();
    }
    return true;
}

bool Player::HoldWhilePaused() {
    std::size_t heard = Heard();
    sink_.Discard();
    handedOver_ = heard;
    clockRunning_ = false;
    clockOrigin_ = heard;
    ForgetHeard();
    return transport_.WaitWhilePaused(id_);
}

void Player::HandOverNextChunk() {
    bool listenerCaughtUp = Heard() >= handedOver_;
    if (!clockRunning_ || listenerCaughtUp) {
        clockRunning_ = true;
        clockStart_ = transport_.Now();
        clockOrigin_ = handedOver_;
    }
    std::size_t count = std::min(chunk_, QueueEnd() - handedOver_);
    auto first = queue_.begin() + static_cast<std::ptrdiff_t>(handedOver_ - queueStart_);
    chunkBuffer_.assign(first, first + static_cast<std::ptrdiff_t>(count));
    auto before = transport_.Now();
    sink_.Write(chunkBuffer_);
    // A sound server that holds a write back for longer than the lead (PulseAudio
    // waking a sleeping sink) was not playing meanwhile; the clock waits with it.
    auto held = transport_.Now() - before;
    if (held > kLead) clockStart_ += held;
    handedOver_ += count;
}

std::size_t Player::Heard() const {
    if (!clockRunning_) return clockOrigin_;
    auto elapsed =
        std::chrono::duration_cast<std::chrono::microseconds>(transport_.Now() - clockStart_);
    auto played = static_cast<std::size_t>(elapsed.count() * sampleRate_ / 1'000'000);
    return std::min(clockOrigin_ + played, handedOver_);
}

Clock::time_point Player::WhenHeard(std::size_t position) const {
    auto offset = std::chrono::microseconds(static_cast<std::int64_t>(position - clockOrigin_) *
                                            1'000'000 / sampleRate_);
    return clockStart_ + offset;
}

void Player::ForgetHeard() {
    std::size_t heard = std::min(Heard(), QueueEnd());
    queue_.erase(queue_.begin(), queue_.begin() + static_cast<std::ptrdiff_t>(heard - queueStart_));
    queueStart_ = heard;
}

bool Player::Abandon() {
    sink_.Discard();
    return false;
}

}  // namespace upctv
