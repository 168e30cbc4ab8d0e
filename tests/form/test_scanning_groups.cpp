#include <QAction>
#include <memory>

#include "DispatchKeys.h"
#include "ScanningFixture.h"

namespace {

using namespace dispatchkeys;
using Texts = std::vector<std::string>;

class ScanningGroups : public ScanningFixture {
  protected:
    // A group of one child between two keys.
    void OneChildGroup() {
        form.Tree->SetKeyboard({{"G", {{"H", {}}}}, {"K", {}}, {"L", {}}});
        StartScanning();
        ClickAtPointer();
        ASSERT_EQ(OpenGroups(), Texts{"G"});
    }
    // The pause that holds a group's node after a step returns to it.
    int PauseOfAReturn() { return StepTime() + scan::kPausaRetornGrupMs; }
    // Steps until the clock has moved by ms, expecting no highlight move before the end.
    void ExpectStillFor(int ms, const std::string& highlighted) {
        desktop.ClearLog();
        desktop.Advance(static_cast<uint32_t>(ms - 1));
        EXPECT_TRUE(desktop.Keys().empty());
        EXPECT_EQ(Highlighted(), highlighted);
    }
};

TEST_F(ScanningGroups, PassTwiceBringsTheHighlightBackToTheGroupAfterItsChildren) {
    StartScanning();
    Steps(10);
    ClickAtPointer();
    EXPECT_EQ(Steps(15), (Texts{"B", "BA", "BE", "BI", "BO", "BU", "BLA", "BLE", "BLI", "BLO",
                                "BLU", "BRA", "BRE", "BRI", "BRO"}));
    EXPECT_EQ(PointerInTree().x(), 39);
    EXPECT_EQ(Steps(1), Texts{"B"}) << "the sixteenth step returns to the group";
    EXPECT_TRUE(OpenGroups().empty());
    EXPECT_EQ(form.scanning->EstatEscaneig.Column(), 20);
    EXPECT_EQ(PointerInTree().x(), 20) << "one indent to the left";
    EXPECT_EQ(RowUnderPointer(), "B");
    EXPECT_EQ(form.scanning->EstatEscaneig.GroupChildren(), 0);
    EXPECT_TRUE(form.scanning->EstatEscaneig.PreviousText().empty());
    // The group's node stays for a pause of one step time and 300 ms, then one more step
    // time before the scan goes on past the group.
    ExpectStillFor(PauseOfAReturn(), "B");
    desktop.Advance(1);
    EXPECT_TRUE(form.scanning->TimerEscaneig.Enabled());
    ExpectStillFor(StepTime(), "B");
    desktop.Advance(1);
    EXPECT_EQ(Highlighted(), "C");
}

TEST_F(ScanningGroups, ReturningToTheGroupLeavesTrackingOffUntilTheNextStep) {
    OneChildGroup();
    Step();
    desktop.ClearLog();
    Step();
    ASSERT_EQ(Highlighted(), "G");
    EXPECT_FALSE(form.tracking->TimerCercaHandleFinestra.Enabled());
    // The step's own calls end with putting the pointer on the group's node.
    EXPECT_EQ(desktop.Calls().back().name, "SetCursorPos")
        << "the receiving window is not brought back after a group return";
    Step();
    EXPECT_TRUE(form.tracking->TimerCercaHandleFinestra.Enabled());
    EXPECT_EQ(desktop.Foreground(), editor);
}

TEST_F(ScanningGroups, AOneChildGroupShowsItsChildForOneStepThenItsNode) {
    OneChildGroup();
    EXPECT_EQ(Steps(2), (Texts{"H", "G"}));
    ExpectStillFor(PauseOfAReturn() + StepTime(), "G");
    desktop.Advance(1);
    EXPECT_EQ(Highlighted(), "K");
}

TEST_F(ScanningGroups, APressWhileTheGroupsNodeIsHighlightedEntersItAgain) {
    OneChildGroup();
    Steps(2);
    ClickAtPointer();
    EXPECT_EQ(OpenGroups(), Texts{"G"});
    EXPECT_EQ(form.scanning->EstatEscaneig.GroupChildren(), 1);
    EXPECT_EQ(Steps(1), Texts{"H"});
}

TEST_F(ScanningGroups, WithoutPassTwiceTheScanRunsOnPastTheGroup) {
    form.MenuPassarDuesVegades->trigger();
    ASSERT_FALSE(form.MenuPassarDuesVegades->isChecked());
    OneChildGroup();
    EXPECT_EQ(Steps(3), (Texts{"H", "K", "L"}));
    EXPECT_EQ(OpenGroups(), Texts{"G"});
    EXPECT_EQ(form.scanning->EstatEscaneig.Column(), 39);
    EXPECT_EQ(Steps(1), Texts{"G"}) << "the end of the list restarts";
    EXPECT_TRUE(OpenGroups().empty());
    EXPECT_EQ(form.scanning->EstatEscaneig.Column(), 20);
}

TEST_F(ScanningGroups, EnteringAnInnerGroupCountsOnlyTheInnerOne) {
    form.Tree->SetKeyboard({{"G", {{"H", {{"X", {}}, {"Y", {}}}}, {"J", {}}}}, {"K", {}}});
    StartScanning();
    ClickAtPointer();
    EXPECT_EQ(Steps(1), Texts{"H"});
    ClickAtPointer();
    EXPECT_EQ(form.scanning->EstatEscaneig.GroupChildren(), 2);
    EXPECT_EQ(Steps(3), (Texts{"X", "Y", "H"}));
    EXPECT_EQ(OpenGroups(), Texts{"G"}) << "the outer group stays open";
    EXPECT_EQ(form.scanning->EstatEscaneig.Column(), 20 + 19);
    EXPECT_EQ(Steps(3), (Texts{"J", "K", "G"})) << "no group is counted any more";
}

TEST_F(ScanningGroups, TheRightButtonDuringAGroupPauseSwitchesScanningOffForGood) {
    OneChildGroup();
    Step();
    // The user presses the right button 100 ms into the pause that follows the next step.
    std::unique_ptr<platform::TimerSource> press;
    press = desktop.CreateTimer([&] {
        press->stop();
        RightButton();
    });
    press->start(StepTime() + 100);
    Step();
    ASSERT_EQ(Highlighted(), "G");
    desktop.Advance(100);
    EXPECT_FALSE(form.MenuActivarLEscaneigAutomatic->isChecked());
    desktop.Advance(static_cast<uint32_t>(PauseOfAReturn()));
    EXPECT_FALSE(form.scanning->TimerEscaneig.Enabled()) << "the pause's end does not switch it on";
    desktop.ClearLog();
    desktop.Advance(20000);
    EXPECT_TRUE(desktop.Keys().empty());
}

TEST_F(ScanningGroups, ASwitchPressDuringAGroupPauseIsHandledAtOnce) {
    OneChildGroup();
    Step();
    std::unique_ptr<platform::TimerSource> press;
    press = desktop.CreateTimer([&] {
        press->stop();
        ClickAtPointer();
    });
    press->start(StepTime() + 100);
    Step();
    ASSERT_EQ(Highlighted(), "G");
    desktop.Advance(static_cast<uint32_t>(StepTime() + 100));
    EXPECT_EQ(OpenGroups(), Texts{"G"}) << "the group was entered again during the pause";
    EXPECT_EQ(Highlighted(), "H") << "and a step ran inside the pause, one step after the press";
    EXPECT_TRUE(form.scanning->TimerEscaneig.Enabled());
    // The pause's end starts the step time again.
    desktop.Advance(200);
    EXPECT_EQ(Steps(1), Texts{"G"});
}

}  // namespace
