#pragma once

#include <cstdint>

// The rules that pace the scan for a person's switch: how long a press must be held, how soon
// a second press counts, how long the first key of a group stays, when an unwatched scan rests,
// and the voice the highlighted key is read in. All are off by default; each applies to every
// kind of switch.
namespace scan {

// A press counts once the switch has been held this long: 0 (at once), 50 … 1000 ms.
inline constexpr int kAcceptanceStepMs = 50;
inline constexpr int kAcceptanceMaxMs = 1000;
// A press this soon after the previous accepted one is ignored: 0 (none), 100 … 2000 ms.
inline constexpr int kRepeatStepMs = 100;
inline constexpr int kRepeatMaxMs = 2000;
// The first key after a group opens stays this share of the step time: 100, 150 or 200 %.
inline constexpr int kFirstKeyStepPercent = 50;
inline constexpr int kFirstKeyMinPercent = 100;
inline constexpr int kFirstKeyMaxPercent = 200;
// After this many full passes over the keys without a press the scan rests: 0 (never), 1 … 10.
inline constexpr int kRestMaxPasses = 10;
// The highlighted key may be read faster than other readings: 0 (as fast), 125, 150 … 200 %.
inline constexpr int kCueSpeedStepPercent = 25;
inline constexpr int kCueSpeedMinPercent = 125;
inline constexpr int kCueSpeedMaxPercent = 200;

// The voice that reads the highlighted key while scanning, set apart from the voice of every
// other reading so that the prompt is heard as a prompt: faster, the other speaker, or both.
struct CueVoice {
    // A share of the reading speed; 0 keeps the reading speed.
    int speedPercent = 0;
    // The other speaker of the language: the male voice for the female one and back.
    bool otherSpeaker = false;

    bool operator==(const CueVoice&) const = default;
    // Whether the cue sounds any different from the reading voice.
    bool Differs() const { return speedPercent != 0 || otherSpeaker; }
};

struct SwitchRules {
    int acceptanceMs = 0;
    int repeatMs = 0;
    int firstKeyPercent = kFirstKeyMinPercent;
    int restPasses = 0;
    CueVoice cueVoice = {};

    bool operator==(const SwitchRules&) const = default;
};

// The rules brought to the nearest values offered.
SwitchRules Clamped(const SwitchRules& rules);

// One switch's presses through the acceptance time and the repeated-press filter, on the
// times the desktop gives the switch's events (milliseconds of its clock, which may wrap).
class SwitchFilter {
  public:
    enum class Verdict {
        Accepted,  // the press counts now
        Pending,   // held too briefly yet: ask Held() at DecidedAt(), or wait for the release
        Ignored,   // nothing to do: a repeat, a touch too brief, or no press waiting
    };

    // The switch went down at `now`.
    Verdict Down(const SwitchRules& rules, std::uint32_t now);
    // The switch is still down at `now` (a timer set for DecidedAt() ran).
    Verdict Held(const SwitchRules& rules, std::uint32_t now);
    // The switch went up at `now`: a press pending until then counts if it was held long
    // enough, as a switch read only at its release (a mouse click) needs.
    Verdict Up(const SwitchRules& rules, std::uint32_t now);
    // When a pending press will have been held long enough.
    std::uint32_t DecidedAt() const { return decidedAt_; }

  private:
    Verdict Accept();

    bool pending_ = false;
    std::uint32_t downAt_ = 0;
    std::uint32_t decidedAt_ = 0;
    bool accepted_ = false;  // any press accepted yet
    std::uint32_t acceptedDownAt_ = 0;
};

}  // namespace scan
