#pragma once

#include <chrono>
#include <cstddef>
#include <cstdint>
#include <deque>
#include <span>
#include <vector>

#include "upctv/AudioSink.h"
#include "upctv/Transport.h"

namespace upctv {

// Plays one utterance in real time: it hands the sink only a short lead of samples
// beyond what a listener has heard by the clock, so a pause can throw that lead
// away and later resume from the very sample where the listener stopped hearing,
// and a silent sink keeps the same pace as a sound card.
class Player {
  public:
    Player(AudioSink& sink, int sampleRate, Transport& transport, std::uint64_t id);

    // Queues freshly synthesised samples and plays until at most a second of them is
    // waiting, so synthesis stays ahead of the listener without holding a whole
    // reading in memory. False once the utterance is replaced or stopped.
    bool Play(std::span<const std::int16_t> samples);
    // Plays what is left and waits until the sink has let it out. False once the
    // utterance is replaced or stopped.
    bool Finish();

  private:
    // Plays until no more than `waiting` queued samples are still unheard.
    bool PlayUntilWaiting(std::size_t waiting);
    bool HoldWhilePaused();
    void HandOverNextChunk();
    std::size_t Heard() const;
    Clock::time_point WhenHeard(std::size_t position) const;
    void ForgetHeard();
    std::size_t QueueEnd() const { return queueStart_ + queue_.size(); }
    bool Abandon();

    AudioSink& sink_;
    int sampleRate_;
    Transport& transport_;
    std::uint64_t id_;

    std::size_t lead_;
    std::size_t chunk_;
    std::size_t synthesisAhead_;

    // Absolute sample positions within the utterance.
    std::deque<std::int16_t> queue_;
    std::size_t queueStart_ = 0;
    std::size_t handedOver_ = 0;

    // The clock runs from `clockStart_`, when the listener was at `clockOrigin_`.
    bool clockRunning_ = false;
    Clock::time_point clockStart_;
    std::size_t clockOrigin_ = 0;

    std::vector<std::int16_t> chunkBuffer_;
};

}  // namespace upctv
