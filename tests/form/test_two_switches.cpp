#include <QAction>
#include <QSpinBox>

#include "DispatchKeys.h"
#include "SwitchesFixture.h"

namespace {

using namespace dispatchkeys;
using Texts = std::vector<std::string>;
using scan::ScanMode;

class TwoSwitches : public SwitchesFixture {
  protected:
    void StartTwoSwitches(const std::string& chooseKey = "space", int autoAdvanceSeconds = 0) {
        UseSwitches(chooseKey, ScanMode::TwoSwitches, "Return", autoAdvanceSeconds);
        StartScanning();
    }
};

TEST_F(TwoSwitches, TheHighlightWaitsForTheMovingSwitch) {
    StartTwoSwitches();
    desktop.Advance(60000);
    EXPECT_EQ(Highlighted(), "TECLES ESPECIALS") << "no timer moves it";
    EXPECT_EQ(Moves(3), (Texts{"RETURN", "ESBORRAR ANTERIOR", "ESPAI"}));
    desktop.Advance(60000);
    EXPECT_EQ(Highlighted(), "ESPAI");
}

TEST_F(TwoSwitches, TenMovesAndTwoMoreTypeBAWithTheChoosingSwitch) {
    StartTwoSwitches();
    Moves(10);
    ASSERT_EQ(Highlighted(), "B");
    desktop.switchKeys.Press("space");
    EXPECT_EQ(OpenGroups(), Texts{"B"});
    EXPECT_EQ(Moves(2), (Texts{"B", "BA"}));
    desktop.ClearLog();
    desktop.switchKeys.Press("space");
    EXPECT_EQ(desktop.Keys(), Join({Shifted(Tap('B')), Shifted(Tap('A'))}));
    EXPECT_EQ(Highlighted(), "TECLES ESPECIALS");
    EXPECT_TRUE(OpenGroups().empty());
}

TEST_F(TwoSwitches, MovesFollowTheRulesOfTheTimersSteps) {
    struct Case {
        const char* name;
        bool passTwice;
        Texts highlights;
    };
    // A group of one child between a key before it and two after it, entered first.
    const Case cases[] = {
        {"pass twice: back to the group after its child, then on, then the end of the list "
         "restarts at the first key",
         true,
         {"H", "G", "K", "L", "F", "G"}},
        {"without pass twice: out of the group into the keys that follow",
         false,
         {"H", "K", "L", "F", "G"}},
    };
    for (const Case& c : cases) {
        form.MenuPassarDuesVegades->setChecked(c.passTwice);
        form.Tree->SetKeyboard({{"F", {}}, {"G", {{"H", {}}}}, {"K", {}}, {"L", {}}});
        StartTwoSwitches();
        Moves(1);
        desktop.switchKeys.Press("space");
        ASSERT_EQ(OpenGroups(), Texts{"G"}) << c.name;
        Texts seen = Moves(static_cast<int>(c.highlights.size()));
        EXPECT_EQ(seen, c.highlights) << c.name;
        RightButton();
    }
}

TEST_F(TwoSwitches, AGroupReturnMakesNoPauseForTheMovingSwitch) {
    form.Tree->SetKeyboard({{"G", {{"H", {}}}}, {"K", {}}});
    StartTwoSwitches();
    desktop.switchKeys.Press("space");
    const uint32_t before = desktop.GetTickCount();
    EXPECT_EQ(Moves(3), (Texts{"H", "G", "K"}));
    EXPECT_EQ(desktop.GetTickCount(), before) << "no time passed: each move at once";
}

TEST_F(TwoSwitches, TheHighlightMovesOnByItselfAfterTheChosenPause) {
    struct Case {
        const char* name;
        int seconds;
        int stillMs;
    };
    const Case cases[] = {
        {"after 5 s", 5, 5000},
        {"after 20 s", 20, 20000},
    };
    for (const Case& c : cases) {
        StartTwoSwitches("space", c.seconds);
        desktop.Advance(static_cast<uint32_t>(c.stillMs - 1));
        EXPECT_EQ(Highlighted(), "TECLES ESPECIALS") << c.name;
        desktop.Advance(1);
        EXPECT_EQ(Highlighted(), "RETURN") << c.name;
        // A press starts the pause again.
        desktop.Advance(static_cast<uint32_t>(c.stillMs - 1000));
        Moves(1);
        desktop.Advance(static_cast<uint32_t>(c.stillMs - 1));
        EXPECT_EQ(Highlighted(), "ESBORRAR ANTERIOR") << c.name;
        desktop.Advance(1);
        EXPECT_EQ(Highlighted(), "ESPAI") << c.name;
        RightButton();
    }
}

TEST_F(TwoSwitches, TheMouseButtonCanChooseWhileAKeyMoves) {
    UseSwitches("", ScanMode::TwoSwitches, "Return");
    StartScanning();
    EXPECT_EQ(desktop.switchKeys.Grabbed(), Texts{"Return"});
    Moves(10);
    ClickAtPointer();
    EXPECT_EQ(OpenGroups(), Texts{"B"});
}

TEST_F(TwoSwitches, TurningTwoSwitchesOnAsksForTheMovingKey) {
    struct Case {
        const char* name;
        std::optional<std::string> pressed;
        bool twoSwitches;
        int interval;
    };
    const Case cases[] = {
        {"a key pressed: two switches, no timer", "Return", true, 0},
        {"cancelled: automatic scanning stays", std::nullopt, false, 1200},
        {"the choosing key again: refused", "space", false, 1200},
    };
    for (const Case& c : cases) {
        UseSwitches("space");
        form.scanning->SwitchDialog = [&](bool moving) {
            EXPECT_TRUE(moving) << c.name;
            return c.pressed;
        };
        form.MenuTwoSwitches->trigger();
        EXPECT_EQ(form.MenuTwoSwitches->isChecked(), c.twoSwitches) << c.name;
        EXPECT_EQ(StepTime(), c.interval) << c.name;
    }
    UseSwitches("space", ScanMode::TwoSwitches, "Return");
    form.MenuTwoSwitches->trigger();
    EXPECT_FALSE(form.MenuTwoSwitches->isChecked()) << "a click turns two switches off";
    EXPECT_EQ(StepTime(), 1200);
}

TEST_F(TwoSwitches, TheSpinBoxKeepsTheStepTimeForAutomaticScanningOnly) {
    StartTwoSwitches("space", 10);
    form.SpinEditTempsTimer->setValue(20);
    EXPECT_EQ(StepTime(), 10000) << "the pause before moving by itself";
    form.MenuTwoSwitches->trigger();
    EXPECT_EQ(StepTime(), 2000);
}

}  // namespace
