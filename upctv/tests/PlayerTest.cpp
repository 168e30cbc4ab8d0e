#include <gtest/gtest.h>

#include <algorithm>
#include <chrono>
#include <condition_variable>
#include <functional>
#include <mutex>
#include <numeric>
#include <thread>
#include <vector>

#include "upctv/Player.h"

namespace {

constexpr int kRate = 8000;
constexpr std::size_t kUtteranceSamples = 2 * kRate;
// The player never hands over more than its 60 ms lead and one 10 ms chunk beyond
// what has been heard.
constexpr std::size_t kMostUnheardSamples = kRate * 70 / 1000;
// 300 ms into the utterance.
constexpr std::size_t kPausedAtSamples = kRate * 300 / 1000;
// Only a player that never pauses takes this long: the utterance plays in no time.
constexpr std::chrono::seconds kHangLimit{10};

// A clock that moves on to whatever time the speaking thread waits for, at once: an utterance
// plays in no time, and what a listener has heard at each moment is exact.
class JumpingClock : public upctv::SpeechClock {
  public:
    upctv::Clock::time_point Now() const override { return now_; }
    void WaitUntil(std::unique_lock<std::mutex>&, std::condition_variable&,
                   upctv::Clock::time_point deadline, const std::function<bool()>& done) override {
        if (!done()) now_ = std::max(now_, deadline);
    }

  private:
    upctv::Clock::time_point now_;
};

// Keeps every sample handed over; each sample's value is its position in the utterance. Once
// `at` samples have been handed over, it does `then` to the transport, as a listener pressing
// a button at that moment.
class RecordingSink : public upctv::AudioSink {
  public:
    RecordingSink(upctv::Transport& transport, std::size_t at,
                  std::function<void(upctv::Transport&)> then)
        : transport_(transport), at_(at), then_(std::move(then)) {}

    void Write(std::span<const std::int16_t> samples) override {
        std::lock_guard lock(mutex_);
        if (done_) writtenAfter_ += samples.size();
        written_.insert(written_.end(), samples.begin(), samples.end());
        if (!done_ && written_.size() >= at_) {
            done_ = true;
            then_(transport_);
        }
    }
    void Discard() override {
        {
            std::lock_guard lock(mutex_);
            discardedAt_.push_back(written_.size());
        }
        discarded_.notify_all();
    }
    void Drain() override {}

    // Waits until the player has thrown its lead away.
    bool WaitForDiscard() {
        std::unique_lock lock(mutex_);
        return discarded_.wait_for(lock, kHangLimit, [this] { return !discardedAt_.empty(); });
    }
    std::vector<std::int16_t> Written() const {
        std::lock_guard lock(mutex_);
        return written_;
    }
    std::vector<std::size_t> DiscardedAt() const {
        std::lock_guard lock(mutex_);
        return discardedAt_;
    }
    // Samples handed over after the button.
    std::size_t WrittenAfter() const {
        std::lock_guard lock(mutex_);
        return writtenAfter_;
    }

  private:
    upctv::Transport& transport_;
    std::size_t at_;
    std::function<void(upctv::Transport&)> then_;
    mutable std::mutex mutex_;
    std::condition_variable discarded_;
    bool done_ = false;
    std::size_t writtenAfter_ = 0;
    std::vector<std::int16_t> written_;
    std::vector<std::size_t> discardedAt_;
};

// An utterance of two seconds played on its own thread, with a button pressed at a sample.
struct Playback {
    Playback(std::size_t at, std::function<void(upctv::Transport&)> then)
        : sink(transport, at, std::move(then)) {}

    void Start() {
        transport.Submit("x");
        auto request = transport.NextRequest();
        thread = std::thread([this, id = request->id] {
            std::vector<std::int16_t> utterance(kUtteranceSamples);
            std::iota(utterance.begin(), utterance.end(), std::int16_t{0});
            upctv::Player player(sink, kRate, transport, id);
            finished = player.Play(utterance) && player.Finish();
        });
    }
    void Join() { thread.join(); }

    JumpingClock clock;
    upctv::Transport transport{clock};
    RecordingSink sink;
    bool finished = false;
    std::thread thread;
};

TEST(Player, PauseHandsNothingOverAndResumeGoesOnFromThePausedSample) {
    Playback playback(kPausedAtSamples, [](upctv::Transport& transport) { transport.Pause(); });
    playback.Start();
    ASSERT_TRUE(playback.sink.WaitForDiscard()) << "the unheard lead is thrown away";
    auto atPause = playback.sink.Written();
    EXPECT_EQ(playback.sink.WrittenAfter(), 0u) << "no samples while paused";
    ASSERT_EQ(playback.sink.DiscardedAt().size(), 1u);

    playback.transport.Resume();
    playback.Join();
    EXPECT_TRUE(playback.finished);
    auto all = playback.sink.Written();
    ASSERT_GT(all.size(), atPause.size());
    std::size_t lastBeforePause = static_cast<std::size_t>(atPause.back());
    std::size_t firstAfterResume = static_cast<std::size_t>(all[atPause.size()]);
    EXPECT_LE(firstAfterResume, lastBeforePause + 1) << "nothing unheard is skipped";
    EXPECT_GE(firstAfterResume + kMostUnheardSamples, lastBeforePause)
        << "nothing heard is repeated";
    EXPECT_EQ(static_cast<std::size_t>(all.back()), kUtteranceSamples - 1) << "played to the end";
}

TEST(Player, StopAbandonsTheUtteranceAndDiscardsTheLead) {
    Playback playback(1, [](upctv::Transport& transport) { transport.Stop(); });
    playback.Start();
    playback.Join();
    EXPECT_FALSE(playback.finished);
    EXPECT_LT(playback.sink.Written().size(), kUtteranceSamples);
    EXPECT_EQ(playback.sink.WrittenAfter(), 0u) << "nothing handed over once stopped";
    EXPECT_EQ(playback.sink.DiscardedAt().size(), 1u);
}

}  // namespace
