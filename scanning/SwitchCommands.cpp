#include <QAction>
#include <QMenu>
#include <string_view>

#include "lang/CaptionTable.h"
#include "platform/Constants.h"
#include "platform/Cp1252.h"
#include "scanning/Scanning.h"
#include "scanning/SwitchKeyDialog.h"
#include "ui/DesignTexts.h"
#include "ui/KeyTree.h"

using lang::SwitchText;

namespace scanning {
namespace {

// Where a notice names the key or the device.
constexpr const char* kKeyPlace = "%1";

}  // namespace

std::optional<std::string> Scanning::AskForSwitchKey(bool moving) {
    const SwitchText prompt = moving ? SwitchText::PressMoveSwitch : SwitchText::PressSwitch;
    const lang::Llengua llengua = hooks_.Llengua();
    SwitchKeyDialog dialog(switchKeys_, time_, platform::ToQString(lang::Text(prompt, llengua)),
                           platform::ToQString(lang::Text(SwitchText::Cancel, llengua)),
                           parts_.Tree->window());
    return dialog.Ask();
}

void Scanning::MenuSwitchMouseClick() {
    scan::Switches switches = CurrentSwitches.WithoutButtons();
    switches.chooseKey.clear();
    SetSwitches(switches);
}

void Scanning::MenuSwitchKeyClick() {
    const std::optional<std::string> key = SwitchDialog(false);
    if (!key) return;
    scan::Switches switches = CurrentSwitches.WithoutButtons();
    if (switches.mode == scan::ScanMode::TwoSwitches && *key == switches.moveKey) {
        // One key cannot both move and choose.
        windows_.MessageBeep(platform::MB_ICONEXCLAMATION);
        return;
    }
    switches.chooseKey = *key;
    SetSwitches(switches);
}

void Scanning::MenuTwoSwitchesClick() {
    scan::Switches switches = CurrentSwitches;
    if (switches.mode == scan::ScanMode::TwoSwitches) {
        switches.mode = scan::ScanMode::Automatic;
        switches.moveKey.clear();
        switches.moveButton.clear();
        SetSwitches(switches);
        return;
    }
    if (!switches.chooseButton.empty()) {
        LearnMovingButton();
        return;
    }
    const std::optional<std::string> key = SwitchDialog(true);
    if (!key) return;
    if (*key == switches.chooseKey) {
        windows_.MessageBeep(platform::MB_ICONEXCLAMATION);
        return;
    }
    switches.mode = scan::ScanMode::TwoSwitches;
    switches.moveKey = *key;
    SetSwitches(switches);
}

void Scanning::MenuAutoAdvanceClick(int seconds) {
    scan::Switches switches = CurrentSwitches;
    switches.autoAdvanceSeconds = seconds;
    SetSwitches(switches);
}

void Scanning::SetSwitches(const scan::Switches& switches) {
    CurrentSwitches = switches;
    parts_.MenuSwitchMouse->setChecked(switches.ChoosesWithMouse());
    parts_.MenuSwitchKey->setChecked(!switches.chooseKey.empty());
    parts_.MenuSwitchButton->setChecked(!switches.chooseButton.empty());
    parts_.MenuTwoSwitches->setChecked(switches.mode == scan::ScanMode::TwoSwitches);
    parts_.MenuAutoAdvance->menuAction()->setEnabled(switches.mode == scan::ScanMode::TwoSwitches);
    for (QAction* item : parts_.MenuAutoAdvanceItems) {
        item->setChecked(item->data().toInt() == switches.autoAdvanceSeconds);
    }
    SpinEditTempsTimerChange();
    GrabSwitchKeys();
    WatchSwitchButton();
}

void Scanning::ApplyStoredSwitches(const scan::Switches& stored) {
    scan::CheckedSwitches checked = scan::CheckSwitches(
        stored, [this](const std::string& key) { return switchKeys_.HasSwitchKey(key); });
    scan::Switches& switches = checked.switches;
    const std::optional<SwitchText> buttonProblem = UnreadableButton(switches);
    const std::string device = switches.buttonDevice;
    SetSwitches(buttonProblem ? switches.WithoutButtons() : switches);
    if (checked.lostKey) TellSwitchKeyLost(*checked.lostKey, checked.lostMoveKey);
    if (buttonProblem) Tell(*buttonProblem, device);
}

void Scanning::GrabSwitchKeys() {
    const std::vector<std::string> keys = CurrentSwitches.KeysToGrab();
    if (!parts_.MenuActivarLEscaneigAutomatic->isChecked() || keys.empty()) {
        UngrabSwitchKeys();
        return;
    }
    switchKeysGrabbed_ = switchKeys_.GrabSwitchKeys(
        keys, [this](const platform::SwitchKeyEvent& event) { OnSwitchKey(event); });
    if (!switchKeysGrabbed_) GiveUpSwitchKeys();
}

void Scanning::ReleaseSwitchKeys() {
    UngrabSwitchKeys();
    StopWatchingSwitchButton();
}

void Scanning::UngrabSwitchKeys() {
    if (!switchKeysGrabbed_) return;
    switchKeys_.UngrabSwitchKeys();
    switchKeysGrabbed_ = false;
}

// A key that is gone (another device) or that another program holds: the user keeps a switch
// that works, the mouse button and the timer, and is told why.
void Scanning::GiveUpSwitchKeys() {
    scan::CheckedSwitches checked = scan::CheckSwitches(
        CurrentSwitches, [this](const std::string& key) { return switchKeys_.HasSwitchKey(key); });
    if (!checked.lostKey) {
        checked.lostKey = CurrentSwitches.KeysToGrab().front();
        checked.lostMoveKey = CurrentSwitches.chooseKey.empty();
        checked.switches = scan::Switches{};
    }
    SetSwitches(checked.switches);
    TellSwitchKeyLost(*checked.lostKey, checked.lostMoveKey);
}

void Scanning::TellSwitchKeyLost(const std::string& key, bool moving) {
    Tell(moving ? SwitchText::MoveKeyLost : SwitchText::SwitchKeyLost, key);
}

void Scanning::Tell(SwitchText notice, const std::string& name) {
    std::string text = lang::Text(notice, hooks_.Llengua());
    if (const size_t place = text.find(kKeyPlace); place != std::string::npos) {
        text.replace(place, std::string_view(kKeyPlace).size(), name);
    }
    windows_.MessageBoxA(nullptr, text.c_str(), design::kCaption, platform::MB_ICONINFORMATION);
}

void Scanning::SwitchPressed(const std::string& key) { Act(CurrentSwitches.OnKey(key)); }

void Scanning::Act(scan::SwitchAction action) {
    if (!parts_.MenuActivarLEscaneigAutomatic->isChecked() || WokeFromRest()) return;
    switch (action) {
        case scan::SwitchAction::Choose:
            // The highlighted key is the tree's selection: a click on it, as the mouse gives.
            hooks_.TreeClick();
            break;
        case scan::SwitchAction::Step:
            MoveSwitchPressed();
            break;
        case scan::SwitchAction::None:
            break;
    }
}

}  // namespace scanning
