#include <QAction>
#include <QMenu>
#include <string_view>

#include "lang/CaptionTable.h"
#include "platform/Constants.h"
#include "platform/Cp1252.h"
#include "scanning/Scanning.h"
#include "scanning/SwitchButtonDialog.h"
#include "scanning/SwitchKeyDialog.h"
#include "ui/DesignTexts.h"
#include "ui/KeyTree.h"

using lang::SwitchText;

namespace scanning {
namespace {

// Where a notice names the key or the device.
constexpr const char* kKeyPlace = "%1";

// What the user is told when a device cannot be read.
SwitchText ButtonNotice(platform::DeviceAccess access) {
    return access == platform::DeviceAccess::Refused ? SwitchText::ButtonRefused
                                                     : SwitchText::ButtonMissing;
}

}  // namespace

std::optional<std::string> Scanning::AskForSwitchKey(bool moving) {
    const SwitchText prompt = moving ? SwitchText::PressMoveSwitch : SwitchText::PressSwitch;
    const lang::Llengua llengua = hooks_.Llengua();
    SwitchKeyDialog dialog(switchKeys_, time_, platform::ToQString(lang::Text(prompt, llengua)),
                           platform::ToQString(lang::Text(SwitchText::Cancel, llengua)),
                           parts_.Tree->window());
    return dialog.Ask();
}

// Devices are listened to from before the dialog shows, so that it can name them, and the
// device read for scanning is let go meanwhile: while it is held, nothing else hears it.
std::optional<LearntButton> Scanning::AskForSwitchButton(bool moving) {
    StopWatchingSwitchButton();
    const std::optional<LearntButton> learnt = ListenForSwitchButton(moving);
    WatchSwitchButton();
    return learnt;
}

std::optional<LearntButton> Scanning::ListenForSwitchButton(bool moving) {
    const lang::Llengua llengua = hooks_.Llengua();
    SwitchButtonDialog* shown = nullptr;
    const platform::ButtonListening listening = switchButtons_->CatchNextButton(
        [&shown](const std::string& device, const std::string& button) {
            if (shown) shown->Caught({device, button});
        });
    QStringList devices;
    for (const std::string& device : listening.devices) devices << platform::ToQString(device);
    if (listening.access != platform::DeviceAccess::Open) {
        const bool refused = listening.access == platform::DeviceAccess::Refused;
        Tell(refused ? SwitchText::LearnRefused : SwitchText::NoJoystick,
             platform::FromQString(devices.join(QStringLiteral(", "))));
        return std::nullopt;
    }
    const SwitchText prompt = moving ? SwitchText::PressMoveSwitch : SwitchText::PressSwitch;
    SwitchButtonDialog dialog(platform::ToQString(lang::Text(prompt, llengua)), devices,
                              platform::ToQString(lang::Text(SwitchText::Cancel, llengua)),
                              parts_.Tree->window());
    shown = &dialog;
    const std::optional<LearntButton> learnt = dialog.Ask();
    switchButtons_->StopCatchingButton();
    return learnt;
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

void Scanning::MenuSwitchButtonClick() {
    const std::optional<LearntButton> learnt = ButtonDialog(false);
    if (!learnt) return;
    // A moving button belongs to the device of the choosing one.
    scan::Switches switches = learnt->device == CurrentSwitches.buttonDevice
                                  ? CurrentSwitches
                                  : CurrentSwitches.WithoutButtons();
    if (learnt->button == switches.moveButton) {
        windows_.MessageBeep(platform::MB_ICONEXCLAMATION);
        return;
    }
    switches.chooseKey.clear();
    switches.buttonDevice = learnt->device;
    switches.chooseButton = learnt->button;
    SetSwitches(switches);
}

void Scanning::LearnMovingButton() {
    const std::optional<LearntButton> learnt = ButtonDialog(true);
    if (!learnt) return;
    if (learnt->device != CurrentSwitches.buttonDevice ||
        learnt->button == CurrentSwitches.chooseButton) {
        windows_.MessageBeep(platform::MB_ICONEXCLAMATION);
        return;
    }
    scan::Switches switches = CurrentSwitches;
    switches.mode = scan::ScanMode::TwoSwitches;
    switches.moveButton = learnt->button;
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
    std::optional<SwitchText> buttonProblem;
    if (!switches.chooseButton.empty()) {
        const platform::DeviceAccess access = switchButtons_->Reach(switches.buttonDevice);
        if (access != platform::DeviceAccess::Open) buttonProblem = ButtonNotice(access);
    }
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

void Scanning::StopWatchingSwitchButton() {
    if (!switchButtonWatched_) return;
    switchButtons_->StopWatching();
    switchButtonWatched_ = false;
}

// The button is read while scanning is on, as the keys are caught.
void Scanning::WatchSwitchButton() {
    StopWatchingSwitchButton();
    const std::vector<std::string> buttons = CurrentSwitches.ButtonsToWatch();
    if (!parts_.MenuActivarLEscaneigAutomatic->isChecked() || buttons.empty()) return;
    const platform::DeviceAccess access = switchButtons_->WatchButtons(
        CurrentSwitches.buttonDevice, buttons,
        [this](const platform::SwitchButtonEvent& event) { OnSwitchButton(event); },
        [this] {
            switchButtonWatched_ = false;
            GiveUpSwitchButton(SwitchText::ButtonLost);
        });
    switchButtonWatched_ = access == platform::DeviceAccess::Open;
    if (!switchButtonWatched_) GiveUpSwitchButton(ButtonNotice(access));
}

void Scanning::GiveUpSwitchButton(SwitchText why) {
    const std::string device = CurrentSwitches.buttonDevice;
    SetSwitches(CurrentSwitches.WithoutButtons());
    Tell(why, device);
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
