#include "scan/SwitchRules.h"

#include <algorithm>

namespace scan {
namespace {

// The multiple of step nearest to value, within 0 … max.
int Nearest(int value, int step, int min, int max) {
    const int clamped = std::clamp(value, min, max);
    return min + (clamped - min + step / 2) / step * step;
}

// Whether `now` is at least `ms` after `since`, on a clock that may wrap.
bool Elapsed(std::uint32_t since, std::uint32_t now, int ms) {
    return now - since >= static_cast<std::uint32_t>(ms);
}

// A cue speed offered: 0, or the step nearest within the range; below the range's first step
// the nearer of 0 and that step.
int CueSpeed(int percent) {
    if (percent * 2 < kCueSpeedMinPercent) return 0;
    return Nearest(percent, kCueSpeedStepPercent, kCueSpeedMinPercent, kCueSpeedMaxPercent);
}

}  // namespace

SwitchRules Clamped(const SwitchRules& rules) {
    return {
        .acceptanceMs = Nearest(rules.acceptanceMs, kAcceptanceStepMs, 0, kAcceptanceMaxMs),
        .repeatMs = Nearest(rules.repeatMs, kRepeatStepMs, 0, kRepeatMaxMs),
        .firstKeyPercent = Nearest(rules.firstKeyPercent, kFirstKeyStepPercent, kFirstKeyMinPercent,
                                   kFirstKeyMaxPercent),
        .restPasses = std::clamp(rules.restPasses, 0, kRestMaxPasses),
        .cueVoice = {CueSpeed(rules.cueVoice.speedPercent), rules.cueVoice.otherSpeaker},
    };
}

SwitchFilter::Verdict SwitchFilter::Down(const SwitchRules& rules, std::uint32_t now) {
    pending_ = false;
    if (accepted_ && !Elapsed(acceptedDownAt_, now, rules.repeatMs)) return Verdict::Ignored;
    downAt_ = now;
    if (rules.acceptanceMs <= 0) return Accept();
    pending_ = true;
    decidedAt_ = now + static_cast<std::uint32_t>(rules.acceptanceMs);
    return Verdict::Pending;
}

SwitchFilter::Verdict SwitchFilter::Held(const SwitchRules& rules, std::uint32_t now) {
    if (!pending_ || !Elapsed(downAt_, now, rules.acceptanceMs)) {
        return pending_ ? Verdict::Pending : Verdict::Ignored;
    }
    return Accept();
}

SwitchFilter::Verdict SwitchFilter::Up(const SwitchRules& rules, std::uint32_t now) {
    if (!pending_) return Verdict::Ignored;
    pending_ = false;
    if (!Elapsed(downAt_, now, rules.acceptanceMs)) return Verdict::Ignored;
    return Accept();
}

SwitchFilter::Verdict SwitchFilter::Accept() {
    pending_ = false;
    accepted_ = true;
    acceptedDownAt_ = downAt_;
    return Verdict::Accepted;
}

}  // namespace scan
