#include <QAction>

#include "DispatchKeys.h"
#include "SwitchesFixture.h"

namespace {

using namespace dispatchkeys;
using Texts = std::vector<std::string>;

class SwitchKey : public SwitchesFixture {};

TEST_F(SwitchKey, TheMouseButtonIsTheSwitchUntilTheUserChoosesAKey) {
    EXPECT_TRUE(form.MenuSwitchMouse->isChecked());
    EXPECT_FALSE(form.MenuSwitchKey->isChecked());
    EXPECT_FALSE(form.MenuTwoSwitches->isChecked());
    StartScanning();
    EXPECT_TRUE(desktop.switchKeys.Grabbed().empty()) << "no key is taken from the receiver";
    EXPECT_EQ(StepTime(), 1200);
}

TEST_F(SwitchKey, TheKeyChoosesTheHighlightedKeyAsAClickWould) {
    UseSwitches("space");
    StartScanning();
    Steps(10);
    ASSERT_EQ(Highlighted(), "B");
    desktop.switchKeys.Press("space");
    EXPECT_EQ(OpenGroups(), Texts{"B"});
    EXPECT_EQ(form.scanning->EstatEscaneig.Column(), 20 + 19)
        << "the scan column moved one indent in";
    Steps(2);
    ASSERT_EQ(Highlighted(), "BA");
    desktop.ClearLog();
    desktop.switchKeys.Press("space");
    EXPECT_EQ(desktop.Keys(), Join({Shifted(Tap('B')), Shifted(Tap('A'))}))
        << "BA is typed and no blank";
    EXPECT_EQ(Highlighted(), "TECLES ESPECIALS") << "the scan starts again at the first key";
    EXPECT_TRUE(OpenGroups().empty());
    EXPECT_TRUE(form.scanning->TimerEscaneig.Enabled());
    EXPECT_EQ(desktop.Foreground(), editor);
}

TEST_F(SwitchKey, TheKeyIsCaughtOnlyWhileScanningIsOn) {
    UseSwitches("space");
    EXPECT_TRUE(desktop.switchKeys.Grabbed().empty()) << "scanning off: the key types as usual";
    StartScanning();
    EXPECT_EQ(desktop.switchKeys.Grabbed(), Texts{"space"});
    RightButton();
    EXPECT_TRUE(desktop.switchKeys.Grabbed().empty());
    StartScanning();
    form.close();
    EXPECT_TRUE(desktop.switchKeys.Grabbed().empty()) << "closing lets the key go";
}

TEST_F(SwitchKey, AHeldKeyIsOnePressHoweverLongItRepeats) {
    UseSwitches("space");
    StartScanning();
    Steps(10);
    desktop.switchKeys.Down("space");
    ASSERT_EQ(OpenGroups(), Texts{"B"});
    desktop.switchKeys.Down("space");
    desktop.switchKeys.Down("space");
    EXPECT_EQ(OpenGroups(), Texts{"B"}) << "a repeat would have closed the group again";
    desktop.switchKeys.Up("space");
    desktop.switchKeys.Press("space");
    EXPECT_TRUE(OpenGroups().empty()) << "the next press counts";
}

TEST_F(SwitchKey, TheLeftButtonStillClicksBesideAKeySwitch) {
    UseSwitches("space");
    StartScanning();
    Steps(10);
    ClickAtPointer();
    EXPECT_EQ(OpenGroups(), Texts{"B"});
}

TEST_F(SwitchKey, AKeyAnotherProgramHoldsGivesTheMouseButtonBackAndSaysSo) {
    desktop.switchKeys.SetHeldElsewhere({"F5"});
    UseSwitches("F5");
    desktop.ClearLog();
    StartScanning();
    EXPECT_TRUE(form.MenuSwitchMouse->isChecked());
    EXPECT_TRUE(desktop.switchKeys.Grabbed().empty());
    const auto boxes = desktop.CallsNamed("MessageBoxA");
    ASSERT_EQ(boxes.size(), 1u);
    EXPECT_NE(boxes[0].args[0].find("(F5)"), std::string::npos) << boxes[0].args[0];
    EXPECT_TRUE(form.scanning->TimerEscaneig.Enabled()) << "the scan goes on with the mouse button";
}

TEST_F(SwitchKey, ChoosingAKeyTakesWhatTheDialogCaught) {
    struct Case {
        const char* name;
        std::optional<std::string> pressed;
        const char* chooseKey;
        bool keyTicked;
    };
    const Case cases[] = {
        {"a key pressed becomes the switch", "F5", "F5", true},
        {"cancelled: the mouse button stays", std::nullopt, "", false},
    };
    for (const Case& c : cases) {
        form.scanning->SetSwitches({});
        form.scanning->SwitchDialog = [&](bool moving) {
            EXPECT_FALSE(moving) << c.name;
            return c.pressed;
        };
        form.MenuSwitchKey->trigger();
        EXPECT_EQ(form.scanning->CurrentSwitches.chooseKey, c.chooseKey) << c.name;
        EXPECT_EQ(form.MenuSwitchKey->isChecked(), c.keyTicked) << c.name;
        EXPECT_EQ(form.MenuSwitchMouse->isChecked(), !c.keyTicked) << c.name;
    }
}

TEST_F(SwitchKey, ChoosingAKeyWhileScanningCatchesItAtOnce) {
    StartScanning();
    form.scanning->SwitchDialog = [](bool) { return std::optional<std::string>("Return"); };
    form.MenuSwitchKey->trigger();
    EXPECT_EQ(desktop.switchKeys.Grabbed(), Texts{"Return"});
    form.MenuSwitchMouse->trigger();
    EXPECT_TRUE(desktop.switchKeys.Grabbed().empty());
}

}  // namespace
