#include <QAction>
#include <QMenu>
#include <QSpinBox>
#include <string_view>

#include "app/DesignTexts.h"
#include "app/TFormPrincipal.h"
#include "lang/CaptionTable.h"
#include "platform/Constants.h"
#include "platform/Cp1252.h"
#include "scan/StepTime.h"
#include "scan/SwitchKeyDialog.h"

using lang::SwitchText;

namespace {

// Where a notice names the key.
constexpr const char* kKeyPlace = "%1";

}  // namespace

void TFormPrincipal::WireSwitches() {
    OnClick(MenuSwitchMouse, &TFormPrincipal::MenuSwitchMouseClick);
    OnClick(MenuSwitchKey, &TFormPrincipal::MenuSwitchKeyClick);
    OnClick(MenuTwoSwitches, &TFormPrincipal::MenuTwoSwitchesClick);
    MenuAutoAdvanceItems.front()->setData(0);
    for (size_t i = 0; i < scan::kAutoAdvanceChoices.size(); ++i) {
        MenuAutoAdvanceItems[i + 1]->setData(scan::kAutoAdvanceChoices[i]);
    }
    for (QAction* item : MenuAutoAdvanceItems) {
        connect(item, &QAction::triggered, this,
                [this, item] { MenuAutoAdvanceClick(item->data().toInt()); });
    }
    SwitchDialog = [this](bool moving) { return AskForSwitchKey(moving); };
}

std::optional<std::string> TFormPrincipal::AskForSwitchKey(bool moving) {
    const SwitchText prompt = moving ? SwitchText::PressMoveSwitch : SwitchText::PressSwitch;
    SwitchKeyDialog dialog(
        desktop, desktop, platform::ToQString(lang::Text(prompt, LlenguaDeLaInterficie)),
        platform::ToQString(lang::Text(SwitchText::Cancel, LlenguaDeLaInterficie)), this);
    return dialog.Ask();
}

void TFormPrincipal::MenuSwitchMouseClick() {
    scan::Switches switches = CurrentSwitches;
    switches.chooseKey.clear();
    SetSwitches(switches);
}

void TFormPrincipal::MenuSwitchKeyClick() {
    const std::optional<std::string> key = SwitchDialog(false);
    if (!key) return;
    scan::Switches switches = CurrentSwitches;
    if (switches.mode == scan::ScanMode::TwoSwitches && *key == switches.moveKey) {
        // One key cannot both move and choose.
        desktop.MessageBeep(platform::MB_ICONEXCLAMATION);
        return;
    }
    switches.chooseKey = *key;
    SetSwitches(switches);
}

void TFormPrincipal::MenuTwoSwitchesClick() {
    scan::Switches switches = CurrentSwitches;
    if (switches.mode == scan::ScanMode::TwoSwitches) {
        switches.mode = scan::ScanMode::Automatic;
        switches.moveKey.clear();
        SetSwitches(switches);
        return;
    }
    const std::optional<std::string> key = SwitchDialog(true);
    if (!key) return;
    if (*key == switches.chooseKey) {
        desktop.MessageBeep(platform::MB_ICONEXCLAMATION);
        return;
    }
    switches.mode = scan::ScanMode::TwoSwitches;
    switches.moveKey = *key;
    SetSwitches(switches);
}

void TFormPrincipal::MenuAutoAdvanceClick(int seconds) {
    scan::Switches switches = CurrentSwitches;
    switches.autoAdvanceSeconds = seconds;
    SetSwitches(switches);
}

void TFormPrincipal::SetSwitches(const scan::Switches& switches) {
    CurrentSwitches = switches;
    MenuSwitchMouse->setChecked(switches.chooseKey.empty());
    MenuSwitchKey->setChecked(!switches.chooseKey.empty());
    MenuTwoSwitches->setChecked(switches.mode == scan::ScanMode::TwoSwitches);
    MenuAutoAdvance->menuAction()->setEnabled(switches.mode == scan::ScanMode::TwoSwitches);
    for (QAction* item : MenuAutoAdvanceItems) {
        item->setChecked(item->data().toInt() == switches.autoAdvanceSeconds);
    }
    SpinEditTempsTimerChange();
    GrabSwitchKeys();
}

void TFormPrincipal::ApplyScanInterval(int stepMs) {
    TimerEscaneig.SetInterval(CurrentSwitches.TimerInterval(stepMs));
}

void TFormPrincipal::GrabSwitchKeys() {
    const std::vector<std::string> keys = CurrentSwitches.KeysToGrab();
    if (!MenuActivarLEscaneigAutomatic->isChecked() || keys.empty()) {
        ReleaseSwitchKeys();
        return;
    }
    switchKeysGrabbed_ =
        desktop.GrabSwitchKeys(keys, [this](const std::string& key) { SwitchPressed(key); });
    if (!switchKeysGrabbed_) GiveUpSwitchKeys();
}

void TFormPrincipal::ReleaseSwitchKeys() {
    if (!switchKeysGrabbed_) return;
    desktop.UngrabSwitchKeys();
    switchKeysGrabbed_ = false;
}

// A key that is gone (another device) or that another program holds: the user keeps a switch
// that works, the mouse button and the timer, and is told why.
void TFormPrincipal::GiveUpSwitchKeys() {
    scan::CheckedSwitches checked = scan::CheckSwitches(
        CurrentSwitches, [this](const std::string& key) { return desktop.HasSwitchKey(key); });
    if (!checked.lostKey) {
        checked.lostKey = CurrentSwitches.KeysToGrab().front();
        checked.lostMoveKey = CurrentSwitches.chooseKey.empty();
        checked.switches = scan::Switches{};
    }
    SetSwitches(checked.switches);
    TellSwitchKeyLost(*checked.lostKey, checked.lostMoveKey);
}

void TFormPrincipal::TellSwitchKeyLost(const std::string& key, bool moving) {
    std::string text = lang::Text(moving ? SwitchText::MoveKeyLost : SwitchText::SwitchKeyLost,
                                  LlenguaDeLaInterficie);
    text.replace(text.find(kKeyPlace), std::string_view(kKeyPlace).size(), key);
    desktop.MessageBoxA(nullptr, text.c_str(), design::kCaption, platform::MB_ICONINFORMATION);
}

void TFormPrincipal::SwitchPressed(const std::string& key) {
    if (!MenuActivarLEscaneigAutomatic->isChecked()) return;
    switch (CurrentSwitches.OnKey(key)) {
        case scan::SwitchAction::Choose:
            // The highlighted key is the tree's selection: a click on it, as the mouse gives.
            TreeClick();
            break;
        case scan::SwitchAction::Step:
            MoveSwitchPressed();
            break;
        case scan::SwitchAction::None:
            break;
    }
}

// One step, as the timer makes it; the pause before the highlight moves by itself starts
// again from this press.
void TFormPrincipal::MoveSwitchPressed() {
    TimerEscaneig.SetEnabled(false);
    TimerEscaneigTimer();
    if (MenuActivarLEscaneigAutomatic->isChecked()) TimerEscaneig.SetEnabled(true);
}
