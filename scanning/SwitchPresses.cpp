#include <QAction>

#include "scanning/KeyTreeView.h"
#include "scanning/Scanning.h"

namespace scanning {

using Verdict = scan::SwitchFilter::Verdict;

void Scanning::OnSwitchKey(const platform::SwitchKeyEvent& event) {
    KeySwitch& key = keySwitches_[event.name];
    const Verdict verdict = event.down ? key.filter.Down(SwitchRules, event.time)
                                       : key.filter.Up(SwitchRules, event.time);
    if (verdict == Verdict::Accepted) {
        SwitchPressed(event.name);
    } else if (verdict == Verdict::Pending) {
        if (!key.acceptance) {
            key.acceptance = time_.CreateTimer([this, name = event.name] { AcceptanceOver(name); });
        }
        key.acceptance->start(SwitchRules.acceptanceMs);
    }
}

// The timer started with the press: the key has been down at least the acceptance time, on
// whatever clock its events carry.
void Scanning::AcceptanceOver(const std::string& name) {
    KeySwitch& key = keySwitches_[name];
    key.acceptance->stop();
    if (key.filter.Held(SwitchRules, key.filter.DecidedAt()) == Verdict::Accepted) {
        SwitchPressed(name);
    }
}

bool Scanning::TakesClick(uint32_t pressedAt, uint32_t releasedAt) {
    if (!parts_.MenuActivarLEscaneigAutomatic->isChecked()) return true;
    // The click comes at the release: a press held long enough counts then.
    const bool counts = mouseSwitch_.Down(SwitchRules, pressedAt) == Verdict::Accepted ||
                        mouseSwitch_.Up(SwitchRules, releasedAt) == Verdict::Accepted;
    return counts && !WokeFromRest();
}

bool Scanning::WokeFromRest() {
    if (!EstatEscaneig.Resting()) return false;
    CarryOut(EstatEscaneig.Woken(KeyTreeView(*parts_.Tree), Options()));
    return true;
}

}  // namespace scanning
