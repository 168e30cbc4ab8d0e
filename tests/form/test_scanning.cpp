#include <QLineEdit>
#include <QSpinBox>

#include "DispatchKeys.h"
#include "ScanningFixture.h"

namespace {

using namespace dispatchkeys;
using Texts = std::vector<std::string>;

class Scanning : public ScanningFixture {};

TEST_F(Scanning, SwitchingOnRestartsAtTheFirstKeyWithACrosshair) {
    ClickPath({"B"});
    desktop.ClearLog();
    StartScanning();
    EXPECT_TRUE(form.scanning->TimerEscaneig.Enabled());
    EXPECT_EQ(form.Tree->viewport()->cursor().shape(), Qt::CrossCursor);
    EXPECT_EQ(Highlighted(), "TECLES ESPECIALS");
    EXPECT_TRUE(OpenGroups().empty());
    EXPECT_TRUE(desktop.Keys().empty()) << "the tree itself is moved, not the desktop's focus";
    EXPECT_EQ(PointerInTree(), QPoint(20, 4)) << "(20, s div 2) with the 8-point design font";
    EXPECT_EQ(desktop.Foreground(), editor) << "the user goes on in the receiving window";
}

TEST_F(Scanning, SwitchingOffLeavesHighlightAndPointerWhereTheyAre) {
    StartScanning();
    Steps(2);
    const platform::Point pointer = desktop.Cursor();
    RightButton();
    EXPECT_FALSE(form.MenuActivarLEscaneigAutomatic->isChecked());
    EXPECT_FALSE(form.scanning->TimerEscaneig.Enabled());
    EXPECT_EQ(form.Tree->viewport()->cursor().shape(), Qt::ArrowCursor);
    EXPECT_EQ(Highlighted(), "ESBORRAR ANTERIOR");
    EXPECT_EQ(desktop.Cursor().x, pointer.x);
    EXPECT_EQ(desktop.Cursor().y, pointer.y);
    desktop.ClearLog();
    desktop.Advance(10000);
    EXPECT_TRUE(desktop.Keys().empty());
}

TEST_F(Scanning, TheMenuItemSwitchesScanningLikeTheRightButton) {
    form.MenuActivarLEscaneigAutomatic->trigger();
    EXPECT_TRUE(form.MenuActivarLEscaneigAutomatic->isChecked());
    EXPECT_TRUE(form.scanning->TimerEscaneig.Enabled());
    form.MenuActivarLEscaneigAutomatic->trigger();
    EXPECT_FALSE(form.MenuActivarLEscaneigAutomatic->isChecked());
    EXPECT_FALSE(form.scanning->TimerEscaneig.Enabled());
}

TEST_F(Scanning, EachStepMovesTheHighlightAndThePointerToTheNextKey) {
    StartScanning();
    const std::string numbers = "N\xDAMEROS";
    EXPECT_EQ(Steps(5), (Texts{"RETURN", "ESBORRAR ANTERIOR", "ESPAI", numbers, "A"}));
    EXPECT_EQ(RowUnderPointer(), "A");
    EXPECT_EQ(PointerInTree().x(), 20);
    EXPECT_EQ(form.scanning->EstatEscaneig.PreviousText(), "A");
    EXPECT_EQ(desktop.Foreground(), editor);
    EXPECT_TRUE(form.tracking->TimerCercaHandleFinestra.Enabled());
}

TEST_F(Scanning, AStepMovesTheTreeItselfAndLeavesTheForegroundToTheReceiver) {
    StartScanning();
    desktop.ClearLog();
    Step();
    // The step's own calls come after the tracking ticks of the step time.
    const auto& calls = desktop.Calls();
    ASSERT_GE(calls.size(), 2u);
    const std::vector<platform::FakeCall> step(calls.end() - 2, calls.end());
    Texts names;
    for (const auto& call : step) names.push_back(call.name);
    EXPECT_EQ(names, (Texts{"SetCursorPos", "BringWindowToTop"}));
    EXPECT_TRUE(desktop.Keys().empty());
    EXPECT_EQ(desktop.Calls().back().args, Texts{std::to_string(editor)});
    EXPECT_EQ(Highlighted(), "RETURN");
}

TEST_F(Scanning, NoStepOrRestartTypesIntoTheReceiverWhenTheKeyboardCannotComeToTheFront) {
    desktop.RefuseOwnActivation(true);
    StartScanning();
    EXPECT_EQ(Steps(4), (Texts{"RETURN", "ESBORRAR ANTERIOR", "ESPAI", "N\xDAMEROS"}));
    form.Tree->SetKeyboard({{"P", {}}, {"Q", {}}});
    EXPECT_EQ(Steps(4), (Texts{"P", "Q", "P", "Q"})) << "the end of the list still restarts";
    EXPECT_TRUE(desktop.Keys().empty()) << "an arrow or Home would move the editor's cursor";
    EXPECT_EQ(desktop.Foreground(), editor);
}

TEST_F(Scanning, TheStepTimeFollowsTheSpinBox) {
    EXPECT_EQ(StepTime(), 1200) << "the design value of 12 tenths";
    struct Row {
        const char* rule;
        QString text;
        int ms;
    };
    const Row rows[] = {
        {"1 gives 100 ms", "1", 100},
        {"64 gives 6400 ms", "64", 6400},
        {"12 gives 1200 ms", "12", 1200},
    };
    auto* field = form.SpinEditTempsTimer->findChild<QLineEdit*>();
    ASSERT_NE(field, nullptr);
    for (const Row& row : rows) {
        field->setText(row.text);  // typed by the user
        EXPECT_EQ(StepTime(), row.ms) << row.rule;
    }
    form.SpinEditTempsTimer->setValue(3);
    StartScanning();
    desktop.Advance(299);
    EXPECT_EQ(Highlighted(), "TECLES ESPECIALS");
    desktop.Advance(1);
    EXPECT_EQ(Highlighted(), "RETURN");
}

TEST_F(Scanning, TheScanRestartsOneStepAfterTheLastVisibleKey) {
    form.Tree->SetKeyboard({{"P", {}}, {"Q", {}}, {"R", {}}});
    StartScanning();
    EXPECT_EQ(Highlighted(), "P");
    EXPECT_EQ(Steps(5), (Texts{"Q", "R", "P", "Q", "R"}));
}

TEST_F(Scanning, WithASingleKeyEveryStepAfterTheFirstIsARestart) {
    form.Tree->SetKeyboard({{"X", {}}});
    StartScanning();
    // The first step records the key; every later one finds it again and restarts on it.
    EXPECT_EQ(Steps(4), (Texts{"X", "X", "X", "X"}));
    EXPECT_EQ(form.scanning->EstatEscaneig.PreviousText(), "X");
    EXPECT_EQ(PointerInTree(), QPoint(20, 4));
}

TEST_F(Scanning, TwoNeighbouringKeysWithTheSameTextEndTheList) {
    form.Tree->SetKeyboard({{"P", {}}, {"Q", {}}, {"Q", {}}, {"R", {}}});
    StartScanning();
    EXPECT_EQ(Steps(4), (Texts{"Q", "P", "Q", "P"}));
}

TEST_F(Scanning, TheKeyRepeatingItsGroupsTextIsHighlightedAfterEnteringTheGroup) {
    StartScanning();
    Steps(10);
    ASSERT_EQ(Highlighted(), "B");
    ClickAtPointer();
    EXPECT_EQ(OpenGroups(), Texts{"B"});
    EXPECT_EQ(Highlighted(), "B");
    EXPECT_EQ(Steps(2), (Texts{"B", "BA"}));
    EXPECT_EQ(PointerInTree().x(), 20 + 19) << "one indent in";
    EXPECT_EQ(RowUnderPointer(), "BA");
}

TEST_F(Scanning, ASwitchPressOnAKeyTypesItAndRestartsAtTheFirstKey) {
    StartScanning();
    Steps(10);
    ClickAtPointer();
    Steps(2);
    desktop.ClearLog();
    ClickAtPointer();
    EXPECT_EQ(desktop.Keys(), Join({Shifted(Tap('B')), Shifted(Tap('A'))}));
    EXPECT_EQ(Highlighted(), "TECLES ESPECIALS");
    EXPECT_TRUE(OpenGroups().empty());
    EXPECT_EQ(form.scanning->EstatEscaneig.Column(), 20);
    EXPECT_TRUE(form.scanning->TimerEscaneig.Enabled());
    EXPECT_EQ(Steps(1), Texts{"RETURN"});
}

TEST_F(Scanning, ASwitchPressOnAnOpenGroupClosesAllAndTheScanGoesOnFromIt) {
    StartScanning();
    Steps(10);
    ClickAtPointer();
    ASSERT_EQ(OpenGroups(), Texts{"B"});
    ClickAtPointer();
    EXPECT_TRUE(OpenGroups().empty());
    EXPECT_EQ(form.scanning->EstatEscaneig.Column(), 20);
    EXPECT_EQ(form.scanning->EstatEscaneig.GroupChildren(), 0);
    EXPECT_EQ(form.scanning->EstatEscaneig.GroupSteps(), 0);
    EXPECT_EQ(Steps(1), Texts{"C"});
}

}  // namespace
