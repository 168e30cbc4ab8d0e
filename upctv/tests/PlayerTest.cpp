#include <gtest/gtest.h>

#include <chrono>
#include <mutex>
#include <numeric>
#include <thread>
#include <vector>

#include "upctv/Player.h"

namespace {

using std::chrono::milliseconds;

constexpr int kRate = 8000;
constexpr std::size_t kUtteranceSamples = 2 * kRate;
// The player never hands over more than its 60 ms lead and one 10 ms chunk beyond
// what has been heard.
constexpr std::size_t kMostUnheardSamples = kRate * 70 / 1000;

// Keeps every sample handed over; each sample's value is its position in the utterance.
class RecordingSink : public upctv::AudioSink {
  public:
    void Write(std::span<const std::int16_t> samples) override {
        std::lock_guard lock(mutex_);
        written_.insert(written_.end(), samples.begin(), samples.end());
    }
    void Discard() override {
        std::lock_guard lock(mutex_);
        discardedAt_.push_back(written_.size());
    }
    void Drain() override {}

    std::vector<std::int16_t> Written() const {
        std::lock_guard lock(mutex_);
        return written_;
    }
    std::vector<std::size_t> DiscardedAt() const {
        std::lock_guard lock(mutex_);
        return discardedAt_;
    }

  private:
    mutable std::mutex mutex_;
    std::vector<std::int16_t> written_;
    std::vector<std::size_t> discardedAt_;
};

struct Playback {
    RecordingSink sink;
    upctv::Transport transport;
    bool finished = false;
    std::thread thread;

    void Start() {
        transport.Submit("x");
        auto request = transport.NextRequest();
        thread = std::thread([this, id = request->id] {
            std::vector<std::int16_t> utterance(kUtteranceSamples);
            std::iota(utterance.begin(), utterance.end(), std::int16_t{0});
            upctv::Player player(sink, kRate, transport, id);
            finished = player.Play(utterance) && player.Finish();
        });
        while (sink.Written().empty()) std::this_thread::sleep_for(milliseconds(1));
    }
    void Join() { thread.join(); }
};

TEST(Player, PauseHandsNothingOverAndResumeGoesOnFromThePausedSample) {
    Playback playback;
    playback.Start();
    std::this_thread::sleep_for(milliseconds(300));
    playback.transport.Pause();
    std::this_thread::sleep_for(milliseconds(100));
    auto atPause = playback.sink.Written();
    std::this_thread::sleep_for(milliseconds(500));
    EXPECT_EQ(playback.sink.Written().size(), atPause.size()) << "no samples while paused";
    ASSERT_EQ(playback.sink.DiscardedAt().size(), 1u) << "the unheard lead is thrown away";

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
    Playback playback;
    playback.Start();
    playback.transport.Stop();
    playback.Join();
    EXPECT_FALSE(playback.finished);
    EXPECT_LT(playback.sink.Written().size(), kUtteranceSamples);
    EXPECT_EQ(playback.sink.DiscardedAt().size(), 1u);
}

}  // namespace
