#include "scanning/Scanning.h"

#include <QAction>

#include "scanning/KeyTreeView.h"

namespace scanning {

Scanning::Scanning(platform::Pointer& pointer, platform::Time& time,
                   platform::SwitchKeys& switchKeys, platform::Windows& windows,
                   ScanningParts parts, ScanningHooks hooks)
    : TimerEscaneig(time, scan::kScanDesignIntervalMs, [this] { TimerEscaneigTimer(); }),
      pointer_(pointer),
      time_(time),
      switchKeys_(switchKeys),
      windows_(windows),
      parts_(std::move(parts)),
      hooks_(std::move(hooks)),
      readingWatch_(time.CreateTimer([this] { CheckReadingEnd(); })),
      pause_(time.CreateTimer([this] { PauseOver(); })) {
    SwitchDialog = [this](bool moving) { return AskForSwitchKey(moving); };
    ButtonDialog = [this](bool moving) { return AskForSwitchButton(moving); };
    AskSwitchRules = [this](const scan::SwitchRules& rules) {
        return ShowSwitchRulesDialog(rules);
    };
}

// The button's events call back into this object: none may come once it is gone.
Scanning::~Scanning() { StopWatchingSwitchButton(); }

scan::Options Scanning::Options() const {
    return {
        .scanning = parts_.MenuActivarLEscaneigAutomatic->isChecked(),
        .passTwice = parts_.MenuPassarDuesVegades->isChecked(),
        .readKeys = parts_.MenuLlegirlateclaEnEscaneigAutomatic->isChecked(),
        .pauseAfterGroupReturn = CurrentSwitches.PausesAfterGroupReturn(),
        .stepMs = TimerEscaneig.Interval(),
        .firstKeyPercent = SwitchRules.firstKeyPercent,
        .restPasses = SwitchRules.restPasses,
    };
}

void Scanning::ApplyScanInterval(int stepMs) {
    TimerEscaneig.SetInterval(CurrentSwitches.TimerInterval(stepMs));
}

}  // namespace scanning
