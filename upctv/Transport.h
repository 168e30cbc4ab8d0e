#pragma once

#include <condition_variable>
#include <cstdint>
#include <mutex>
#include <optional>
#include <string>

#include "upctv/SpeechClock.h"
#include "upctv/Voice.h"

namespace upctv {

// One utterance to say: the text in UTF-8, the voice it was asked with, and the
// number that tells whether a later request has replaced it.
struct Request {
    std::string text;
    VoiceChoice voice;
    std::uint64_t id = 0;
    // Asks the speaking thread to get the natural voice ready; nothing is said and the
    // library stays silent.
    bool warmUp = false;
};

// The meeting point of the caller's thread and the speaking thread: requests,
// pause and stop go in from one side, the speaking thread waits on them from the
// other. Every wait ends as soon as its utterance is replaced, stopped or the
// library is closing.
class Transport {
  public:
    // The speaking thread's waits and time follow the clock.
    explicit Transport(SpeechClock& clock = SteadyClock()) : clock_(clock) {}

    // Caller's side.
    void Submit(std::string utf8);
    void Stop();
    void Pause();
    void Resume();
    void SetLanguage(int language);
    void SetSpeaker(int speaker);
    void SetSpeed(int speed);
    // Turning it on also gets the natural voice ready while nothing is being said, so that
    // the first reading does not wait for it.
    void SetNaturalVoice(bool on);
    bool Busy() const;
    void Close();

    // Speaking thread's side.
    // Blocks until there is something to say; nothing once the library is closing.
    std::optional<Request> NextRequest();
    // The utterance has been played to its end or abandoned.
    void Finished(std::uint64_t id);
    bool Current(std::uint64_t id) const;
    bool Paused(std::uint64_t id) const;
    // Sleeps until the deadline or a pause; false when the utterance is no longer current.
    bool SleepUntil(Clock::time_point deadline, std::uint64_t id);
    // Sleeps while paused; false when the utterance is no longer current.
    bool WaitWhilePaused(std::uint64_t id);
    // The time by the clock that SleepUntil's deadlines follow.
    Clock::time_point Now() const { return clock_.Now(); }

  private:
    bool CurrentLocked(std::uint64_t id) const;

    mutable std::mutex mutex_;
    std::condition_variable changed_;
    VoiceChoice voice_;
    std::optional<Request> pending_;
    std::uint64_t currentId_ = 0;
    bool busy_ = false;
    bool paused_ = false;
    bool closing_ = false;
    SpeechClock& clock_;
};

}  // namespace upctv
