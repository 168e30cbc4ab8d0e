#include <QAction>

#include "lang/CaptionTable.h"
#include "platform/Cp1252.h"
#include "scanning/KeyTreeView.h"
#include "scanning/Scanning.h"
#include "scanning/SwitchRulesDialog.h"
#include "ui/KeyTree.h"

namespace scanning {

using Verdict = scan::SwitchFilter::Verdict;

void Scanning::OnSwitchKey(const platform::SwitchKeyEvent& event) {
    Filter(keySwitches_[event.name], event.down, event.time,
           [this, name = event.name] { SwitchPressed(name); });
}

void Scanning::OnSwitchButton(const platform::SwitchButtonEvent& event) {
    Filter(buttonSwitches_[event.button], event.down, event.time,
           [this, name = event.button] { Act(CurrentSwitches.OnButton(name)); });
}

void Scanning::Filter(KeySwitch& source, bool down, uint32_t time,
                      const std::function<void()>& pressed) {
    const Verdict verdict =
        down ? source.filter.Down(SwitchRules, time) : source.filter.Up(SwitchRules, time);
    if (verdict == Verdict::Accepted) {
        pressed();
    } else if (verdict == Verdict::Pending) {
        if (!source.acceptance) {
            source.acceptance =
                time_.CreateTimer([this, &source, pressed] { AcceptanceOver(source, pressed); });
        }
        source.acceptance->start(SwitchRules.acceptanceMs);
    }
}

// The timer started with the press: the switch has been down at least the acceptance time, on
// whatever clock its events carry.
void Scanning::AcceptanceOver(KeySwitch& source, const std::function<void()>& pressed) {
    source.acceptance->stop();
    if (source.filter.Held(SwitchRules, source.filter.DecidedAt()) == Verdict::Accepted) {
        pressed();
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

void Scanning::MenuSwitchRulesClick() {
    if (const std::optional<scan::SwitchRules> rules = AskSwitchRules(SwitchRules)) {
        SetSwitchRules(*rules);
    }
}

void Scanning::SetSwitchRules(const scan::SwitchRules& rules) {
    SwitchRules = scan::Clamped(rules);
}

std::optional<scan::SwitchRules> Scanning::ShowSwitchRulesDialog(const scan::SwitchRules& rules) {
    const lang::Llengua llengua = hooks_.Llengua();
    const auto caption = [llengua](lang::SwitchText text) {
        return platform::ToQString(lang::Text(text, llengua));
    };
    using lang::SwitchText;
    const SwitchRulesCaptions captions{
        .title = caption(SwitchText::RulesMenu).remove(QStringLiteral("...")),
        .acceptance = caption(SwitchText::RulesAcceptance),
        .repeat = caption(SwitchText::RulesRepeat),
        .firstKey = caption(SwitchText::RulesFirstKey),
        .rest = caption(SwitchText::RulesRest),
        .off = caption(SwitchText::RulesOff),
        .never = caption(SwitchText::AutoAdvanceNever),
        .passes = caption(SwitchText::RulesPasses),
        .cueSpeed = caption(SwitchText::CueSpeed),
        .cueOtherVoice = caption(SwitchText::CueOtherVoice),
        .ok = caption(SwitchText::RulesOk),
        .cancel = caption(SwitchText::Cancel),
    };
    SwitchRulesDialog dialog(captions, rules, parts_.Tree->window());
    return dialog.Ask();
}

}  // namespace scanning
