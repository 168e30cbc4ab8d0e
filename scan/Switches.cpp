#include "scan/Switches.h"

#include <algorithm>

namespace scan {

namespace {

constexpr int kMsPerSecond = 1000;

}  // namespace

int Switches::TimerInterval(int stepMs) const {
    return mode == ScanMode::Automatic ? stepMs : autoAdvanceSeconds * kMsPerSecond;
}

std::vector<std::string> Switches::KeysToGrab() const {
    std::vector<std::string> keys;
    if (!chooseKey.empty()) keys.push_back(chooseKey);
    if (mode == ScanMode::TwoSwitches && !moveKey.empty()) keys.push_back(moveKey);
    return keys;
}

std::vector<std::string> Switches::ButtonsToWatch() const {
    std::vector<std::string> buttons;
    if (!chooseButton.empty()) buttons.push_back(chooseButton);
    if (mode == ScanMode::TwoSwitches && !moveButton.empty()) buttons.push_back(moveButton);
    return buttons;
}

SwitchAction Switches::OnButton(const std::string& name) const {
    if (!chooseButton.empty() && name == chooseButton) return SwitchAction::Choose;
    if (mode == ScanMode::TwoSwitches && !moveButton.empty() && name == moveButton) {
        return SwitchAction::Step;
    }
    return SwitchAction::None;
}

Switches Switches::WithoutButtons() const {
    Switches without = *this;
    without.buttonDevice.clear();
    without.chooseButton.clear();
    without.moveButton.clear();
    if (without.moveKey.empty()) without.mode = ScanMode::Automatic;
    return without;
}

SwitchAction Switches::OnKey(const std::string& name) const {
    if (!chooseKey.empty() && name == chooseKey) return SwitchAction::Choose;
    if (mode == ScanMode::TwoSwitches && name == moveKey) return SwitchAction::Step;
    return SwitchAction::None;
}

CheckedSwitches CheckSwitches(const Switches& stored,
                              const std::function<bool(const std::string&)>& keyboardHas) {
    CheckedSwitches checked{stored, std::nullopt, false};
    Switches& switches = checked.switches;
    if (switches.buttonDevice.empty() || switches.chooseButton.empty() ||
        switches.moveButton == switches.chooseButton) {
        switches.moveButton.clear();
    }
    if (switches.buttonDevice.empty() || switches.chooseButton.empty()) {
        switches.buttonDevice.clear();
        switches.chooseButton.clear();
    }
    if (!switches.chooseButton.empty()) switches.chooseKey.clear();
    if (!switches.moveButton.empty()) switches.moveKey.clear();
    if (!switches.chooseKey.empty() && !keyboardHas(switches.chooseKey)) {
        checked.lostKey = switches.chooseKey;
        switches.chooseKey.clear();
    }
    if (switches.mode == ScanMode::TwoSwitches && switches.moveButton.empty()) {
        const bool usable = !switches.moveKey.empty() && switches.moveKey != switches.chooseKey &&
                            keyboardHas(switches.moveKey);
        if (!usable) {
            if (!checked.lostKey && !switches.moveKey.empty()) {
                checked.lostKey = switches.moveKey;
                checked.lostMoveKey = true;
            }
            switches.mode = ScanMode::Automatic;
        }
    }
    if (switches.mode == ScanMode::Automatic) {
        switches.moveKey.clear();
        switches.moveButton.clear();
    }
    const bool offered = std::find(kAutoAdvanceChoices.begin(), kAutoAdvanceChoices.end(),
                                   switches.autoAdvanceSeconds) != kAutoAdvanceChoices.end();
    if (!offered) switches.autoAdvanceSeconds = 0;
    return checked;
}

}  // namespace scan
