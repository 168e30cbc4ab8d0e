#include <QAction>

#include "lang/CaptionTable.h"
#include "platform/Constants.h"
#include "platform/Cp1252.h"
#include "scanning/Scanning.h"
#include "scanning/SwitchButtonDialog.h"
#include "ui/KeyTree.h"

using lang::SwitchText;

namespace scanning {
namespace {

// What the user is told when a device cannot be read.
SwitchText ButtonNotice(platform::DeviceAccess access) {
    return access == platform::DeviceAccess::Refused ? SwitchText::ButtonRefused
                                                     : SwitchText::ButtonMissing;
}

}  // namespace

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

std::optional<SwitchText> Scanning::UnreadableButton(const scan::Switches& switches) {
    if (switches.chooseButton.empty()) return std::nullopt;
    const platform::DeviceAccess access = switchButtons_->Reach(switches.buttonDevice);
    if (access == platform::DeviceAccess::Open) return std::nullopt;
    return ButtonNotice(access);
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

}  // namespace scanning
