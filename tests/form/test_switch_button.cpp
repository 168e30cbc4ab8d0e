#include <QAction>
#include <QApplication>
#include <QLabel>
#include <QTimer>

#include "DispatchKeys.h"
#include "SwitchesFixture.h"
#include "platform/fake/FakeSwitchButtons.h"
#include "scanning/SwitchButtonDialog.h"

namespace {

using namespace dispatchkeys;
using platform::DeviceAccess;
using Texts = std::vector<std::string>;

constexpr const char* kPad = "Switch Interface Pad";
constexpr const char* kButton = "BTN_SOUTH";

// A joystick-like switch interface plugged in beside the keyboard.
class SwitchButton : public SwitchesFixture {
  protected:
    void SetUp() override {
        SwitchesFixture::SetUp();
        buttons.SetClock([this] { return desktop.GetTickCount(); });
        buttons.Plug(kPad);
        form.scanning->UseSwitchButtons(buttons);
    }
    // The buttons go before the window: it lets them go first, as it does when it closes.
    void TearDown() override {
        form.scanning->ReleaseSwitchKeys();
        SwitchesFixture::TearDown();
    }
    void UseButton(const std::string& device = kPad, const std::string& button = kButton) {
        scan::Switches switches;
        switches.buttonDevice = device;
        switches.chooseButton = button;
        form.scanning->SetSwitches(switches);
    }
    void Press() { buttons.Press(kPad, kButton); }
    // The one notice given, or "(none)"; a test fails when there are more.
    std::string Notice() {
        const auto boxes = desktop.CallsNamed("MessageBoxA");
        EXPECT_LE(boxes.size(), 1u);
        return boxes.empty() ? "(none)" : boxes[0].args[0];
    }

    platform::FakeSwitchButtons buttons;
};

TEST_F(SwitchButton, TheButtonChoosesTheHighlightedKeyAsAClickWould) {
    UseButton();
    EXPECT_TRUE(form.MenuSwitchButton->isChecked());
    EXPECT_FALSE(form.MenuSwitchMouse->isChecked());
    EXPECT_FALSE(form.MenuSwitchKey->isChecked());
    StartScanning();
    Steps(10);
    ASSERT_EQ(Highlighted(), "B");
    Press();
    EXPECT_EQ(OpenGroups(), Texts{"B"});
    Steps(2);
    ASSERT_EQ(Highlighted(), "BA");
    desktop.ClearLog();
    Press();
    EXPECT_EQ(desktop.Keys(), Join({Shifted(Tap('B')), Shifted(Tap('A'))}));
    EXPECT_EQ(Highlighted(), "TECLES ESPECIALS") << "the scan starts again at the first key";
    EXPECT_EQ(desktop.Foreground(), editor);
}

TEST_F(SwitchButton, OtherButtonsOfTheDeviceDoNothing) {
    UseButton();
    StartScanning();
    Steps(10);
    buttons.Press(kPad, "BTN_EAST");
    EXPECT_TRUE(OpenGroups().empty());
}

TEST_F(SwitchButton, TheDeviceIsReadOnlyWhileScanningIsOn) {
    UseButton();
    EXPECT_EQ(buttons.Watched(), "") << "scanning off: the device is left to other programs";
    StartScanning();
    EXPECT_EQ(buttons.Watched(), kPad);
    RightButton();
    EXPECT_EQ(buttons.Watched(), "");
    StartScanning();
    form.MenuSwitchMouse->trigger();
    EXPECT_EQ(buttons.Watched(), "") << "back to the mouse button";
    UseButton();
    form.close();
    EXPECT_EQ(buttons.Watched(), "") << "closing lets the device go";
}

TEST_F(SwitchButton, PressesGoThroughTheSwitchRules) {
    struct Row {
        const char* rule;
        scan::SwitchRules rules;
        // Down for `held` ms, then up; then, `gap` ms after the first press, a second one.
        int held;
        int gap;
        Texts open;  // the groups open at the end
    };
    const Row rows[] = {
        {"no rules: two presses, the group opens and closes", {}, 10, 500, {}},
        {"a 30 ms touch with a 100 ms acceptance does nothing", {100}, 30, 0, {}},
        {"held past the acceptance time: one press", {100}, 150, 0, {"B"}},
        {"two presses 80 ms apart with a 300 ms filter: one press", {0, 300}, 10, 80, {"B"}},
        {"two presses 400 ms apart with a 300 ms filter: two", {0, 300}, 10, 400, {}},
    };
    for (const Row& row : rows) {
        form.scanning->SetSwitchRules(row.rules);
        UseButton();
        StartScanning();
        Steps(10);
        ASSERT_EQ(Highlighted(), "B") << row.rule;
        buttons.Down(kPad, kButton);
        desktop.Advance(static_cast<uint32_t>(row.held));
        buttons.Up(kPad, kButton);
        if (row.gap > 0) {
            desktop.Advance(static_cast<uint32_t>(row.gap - row.held));
            Press();
        }
        EXPECT_EQ(OpenGroups(), row.open) << row.rule;
        RightButton();
        form.Tree->CollapseAll();
    }
}

TEST_F(SwitchButton, ADeviceUnpluggedWhileScanningGivesTheMouseButtonAtOnceAndSaysSo) {
    UseButton();
    StartScanning();
    desktop.ClearLog();
    buttons.Unplug(kPad);
    EXPECT_TRUE(form.MenuSwitchMouse->isChecked());
    EXPECT_FALSE(form.MenuSwitchButton->isChecked());
    EXPECT_TRUE(form.scanning->CurrentSwitches.chooseButton.empty());
    EXPECT_EQ(Notice(),
              "S'ha desconnectat el joystick (Switch Interface Pad): el commutador torna a ser el "
              "bot\xF3 esquerre del ratol\xED.");
    EXPECT_TRUE(form.scanning->TimerEscaneig.Enabled()) << "the scan goes on";
    Steps(10);
    ClickAtPointer();
    EXPECT_EQ(OpenGroups(), Texts{"B"}) << "the mouse button chooses";
}

TEST_F(SwitchButton, ADeviceThatCannotBeReadWhenScanningStartsGivesTheMouseButton) {
    struct Row {
        const char* rule;
        std::optional<DeviceAccess> plugged;  // nothing: not plugged in
        const char* notice;
    };
    const Row rows[] = {
        {"not plugged in", std::nullopt,
         "No es troba el joystick (Switch Interface Pad): el commutador torna a ser el bot\xF3 "
         "esquerre del ratol\xED."},
        {"no permission", DeviceAccess::Refused,
         "No es pot llegir el joystick (Switch Interface Pad): el commutador torna a ser el "
         "bot\xF3 esquerre del ratol\xED. Per fer-lo servir, l'usuari ha de ser del grup input o "
         "cal una regla d'udev que li doni acc\xE9s."},
    };
    for (const Row& row : rows) {
        buttons.Unplug(kPad);
        if (row.plugged) buttons.Plug(kPad, *row.plugged);
        UseButton();
        desktop.ClearLog();
        StartScanning();
        EXPECT_TRUE(form.MenuSwitchMouse->isChecked()) << row.rule;
        EXPECT_EQ(buttons.Watched(), "") << row.rule;
        EXPECT_EQ(Notice(), row.notice) << row.rule;
        RightButton();
    }
}

TEST_F(SwitchButton, StoredButtonsAreCheckedAtStartAndAProblemIsToldOnce) {
    struct Row {
        const char* rule;
        std::optional<DeviceAccess> plugged;
        bool kept;
        const char* noticeStart;  // the notice begins so; nullptr for none
    };
    const Row rows[] = {
        {"the device is there: the button is the switch", DeviceAccess::Open, true, nullptr},
        {"the device is missing: the mouse button", std::nullopt, false, "No es troba"},
        {"the device may not be read: the mouse button", DeviceAccess::Refused, false,
         "No es pot llegir"},
    };
    for (const Row& row : rows) {
        buttons.Unplug(kPad);
        if (row.plugged) buttons.Plug(kPad, *row.plugged);
        form.scanning->SetSwitches({});
        desktop.ClearLog();
        scan::Switches stored;
        stored.buttonDevice = kPad;
        stored.chooseButton = kButton;
        form.scanning->ApplyStoredSwitches(stored);
        EXPECT_EQ(form.MenuSwitchButton->isChecked(), row.kept) << row.rule;
        EXPECT_EQ(form.MenuSwitchMouse->isChecked(), !row.kept) << row.rule;
        const std::string notice = Notice();
        if (row.noticeStart) {
            EXPECT_EQ(notice.rfind(row.noticeStart, 0), 0u) << row.rule << ": " << notice;
        } else {
            EXPECT_EQ(notice, "(none)") << row.rule;
        }
    }
}

TEST_F(SwitchButton, TheDialogNamesTheDevicesAndTakesTheFirstButtonPressed) {
    buttons.Plug("Second Pad");
    QString shown;
    QTimer::singleShot(0, [&] {
        auto* dialog = qobject_cast<QDialog*>(QApplication::activeModalWidget());
        ASSERT_NE(dialog, nullptr);
        for (QLabel* label : dialog->findChildren<QLabel*>()) shown += label->text() + "|";
        buttons.Press("Second Pad", "BTN_TRIGGER");
    });
    form.MenuSwitchButton->trigger();
    EXPECT_EQ(shown, "Premeu ara el commutador|Second Pad\nSwitch Interface Pad|");
    EXPECT_EQ(form.scanning->CurrentSwitches.buttonDevice, "Second Pad");
    EXPECT_EQ(form.scanning->CurrentSwitches.chooseButton, "BTN_TRIGGER");
    EXPECT_TRUE(form.MenuSwitchButton->isChecked());
    EXPECT_FALSE(buttons.Catching()) << "listening ends with the press";
}

TEST_F(SwitchButton, CancellingTheDialogLeavesTheSwitchAsItWasAndStopsListening) {
    UseSwitches("space");
    QTimer::singleShot(0, [&] {
        auto* dialog = qobject_cast<QDialog*>(QApplication::activeModalWidget());
        ASSERT_NE(dialog, nullptr);
        EXPECT_TRUE(buttons.Catching());
        dialog->reject();
    });
    form.MenuSwitchButton->trigger();
    EXPECT_EQ(form.scanning->CurrentSwitches.chooseKey, "space");
    EXPECT_FALSE(form.MenuSwitchButton->isChecked());
    EXPECT_FALSE(buttons.Catching());
}

TEST_F(SwitchButton, NoDeviceToListenToIsToldAndLeavesTheSwitchAsItWas) {
    struct Row {
        const char* rule;
        std::optional<DeviceAccess> plugged;
        const char* notice;
    };
    const Row rows[] = {
        {"none plugged in", std::nullopt, "No es troba cap joystick ni comandament de joc."},
        {"none may be read", DeviceAccess::Refused,
         "No es pot llegir cap joystick (Switch Interface Pad): l'usuari ha de ser del grup input "
         "o cal una regla d'udev que li doni acc\xE9s."},
    };
    for (const Row& row : rows) {
        buttons.Unplug(kPad);
        if (row.plugged) buttons.Plug(kPad, *row.plugged);
        UseSwitches("space");
        desktop.ClearLog();
        form.MenuSwitchButton->trigger();
        EXPECT_EQ(Notice(), row.notice) << row.rule;
        EXPECT_EQ(form.scanning->CurrentSwitches.chooseKey, "space") << row.rule;
        EXPECT_FALSE(form.MenuSwitchButton->isChecked()) << row.rule;
    }
}

TEST_F(SwitchButton, AKeyOrTheMouseButtonTakesThePlaceOfTheButton) {
    UseButton();
    form.scanning->SwitchDialog = [](bool) { return std::optional<std::string>("F5"); };
    form.MenuSwitchKey->trigger();
    EXPECT_EQ(form.scanning->CurrentSwitches.chooseKey, "F5");
    EXPECT_TRUE(form.scanning->CurrentSwitches.chooseButton.empty());
    EXPECT_FALSE(form.MenuSwitchButton->isChecked());
    UseButton();
    form.MenuSwitchMouse->trigger();
    EXPECT_TRUE(form.scanning->CurrentSwitches.ChoosesWithMouse());
    EXPECT_FALSE(form.MenuSwitchButton->isChecked());
}

// A switch interface with two jacks, as a gamepad with two buttons.
class TwoSwitchButtons : public SwitchButton {
  protected:
    void UseTwoButtons() {
        UseButton();
        form.scanning->ButtonDialog = [](bool moving) {
            EXPECT_TRUE(moving) << "the moving switch is asked for";
            return std::optional(scanning::LearntButton{kPad, "BTN_EAST"});
        };
        form.MenuTwoSwitches->trigger();
    }
    std::vector<std::string> Moves(int n) {
        std::vector<std::string> seen;
        for (int i = 0; i < n; ++i) {
            buttons.Press(kPad, "BTN_EAST");
            seen.push_back(Highlighted());
        }
        return seen;
    }
};

TEST_F(TwoSwitchButtons, OneButtonMovesTheHighlightAndTheOtherChooses) {
    UseTwoButtons();
    EXPECT_TRUE(form.MenuTwoSwitches->isChecked());
    EXPECT_EQ(form.scanning->CurrentSwitches.moveButton, "BTN_EAST");
    StartScanning();
    EXPECT_EQ(buttons.WatchedButtons(), (Texts{kButton, "BTN_EAST"}));
    EXPECT_EQ(Moves(10).back(), "B");
    Press();
    EXPECT_EQ(OpenGroups(), Texts{"B"});
    EXPECT_EQ(Moves(2), (Texts{"B", "BA"}));
    desktop.ClearLog();
    Press();
    EXPECT_EQ(desktop.Keys(), Join({Shifted(Tap('B')), Shifted(Tap('A'))}));
}

TEST_F(TwoSwitchButtons, TheMovingButtonIsAnotherButtonOfTheSameDevice) {
    struct Row {
        const char* rule;
        scanning::LearntButton pressed;
    };
    const Row rows[] = {
        {"the choosing button itself", {kPad, kButton}},
        {"a button of another device", {"Second Pad", "BTN_EAST"}},
    };
    for (const Row& row : rows) {
        UseButton();
        form.scanning->ButtonDialog = [&](bool) { return std::optional(row.pressed); };
        desktop.ClearLog();
        form.MenuTwoSwitches->trigger();
        EXPECT_FALSE(form.MenuTwoSwitches->isChecked()) << row.rule;
        EXPECT_EQ(form.scanning->CurrentSwitches.mode, scan::ScanMode::Automatic) << row.rule;
        EXPECT_EQ(desktop.CallsNamed("MessageBeep").size(), 1u) << row.rule;
    }
}

TEST_F(TwoSwitchButtons, AnUnpluggedDeviceGivesTheMouseButtonAndAutomaticScanning) {
    UseTwoButtons();
    StartScanning();
    desktop.ClearLog();
    buttons.Unplug(kPad);
    EXPECT_TRUE(form.MenuSwitchMouse->isChecked());
    EXPECT_FALSE(form.MenuTwoSwitches->isChecked());
    EXPECT_EQ(form.scanning->CurrentSwitches, scan::Switches{});
    EXPECT_EQ(Notice().rfind("S'ha desconnectat el joystick", 0), 0u);
    EXPECT_TRUE(form.scanning->TimerEscaneig.Enabled()) << "the timer steps again";
}

TEST_F(TwoSwitchButtons, AKeyOrTheMouseButtonInPlaceOfTheChoosingButtonEndsTheMovingButton) {
    struct Row {
        const char* rule;
        std::function<void()> choose;
    };
    const Row rows[] = {
        {"the mouse button", [&] { form.MenuSwitchMouse->trigger(); }},
        {"a key",
         [&] {
             form.scanning->SwitchDialog = [](bool) { return std::optional<std::string>("F5"); };
             form.MenuSwitchKey->trigger();
         }},
    };
    for (const Row& row : rows) {
        UseTwoButtons();
        ASSERT_TRUE(form.MenuTwoSwitches->isChecked()) << row.rule;
        row.choose();
        EXPECT_EQ(form.scanning->CurrentSwitches.mode, scan::ScanMode::Automatic) << row.rule;
        EXPECT_TRUE(form.scanning->CurrentSwitches.moveButton.empty()) << row.rule;
        EXPECT_TRUE(form.scanning->CurrentSwitches.buttonDevice.empty()) << row.rule;
    }
}

}  // namespace
