#include <QApplication>
#include <QMouseEvent>

#include "DispatchKeys.h"
#include "SwitchesFixture.h"

namespace {

using namespace dispatchkeys;
using Texts = std::vector<std::string>;

// The scan on the group B (the eleventh top-level key), with a switch key and the rules given.
class SwitchRules : public SwitchesFixture {
  protected:
    void OnB(const scan::SwitchRules& rules) {
        form.scanning->SwitchRules = rules;
        UseSwitches("space");
        StartScanning();
        Steps(10);
        ASSERT_EQ(Highlighted(), "B");
    }
    void Wait(int ms) { desktop.Advance(static_cast<uint32_t>(ms)); }
    // A left click where the pointer is, pressed and released at those input-event times.
    void ClickAtPointer(uint32_t pressedAt, uint32_t releasedAt) {
        QWidget* client = form.Tree->viewport();
        const platform::Point cursor = desktop.Cursor();
        const QPointF at = client->mapFromGlobal(QPointF(cursor.x, cursor.y));
        const QPointF global(cursor.x, cursor.y);
        QMouseEvent press(QEvent::MouseButtonPress, at, global, Qt::LeftButton, Qt::LeftButton,
                          Qt::NoModifier);
        press.setTimestamp(pressedAt);
        QMouseEvent release(QEvent::MouseButtonRelease, at, global, Qt::LeftButton, Qt::NoButton,
                            Qt::NoModifier);
        release.setTimestamp(releasedAt);
        QApplication::sendEvent(client, &press);
        QApplication::sendEvent(client, &release);
    }
};

TEST_F(SwitchRules, AKeyPressCountsByTheAcceptanceTime) {
    struct Row {
        const char* rule;
        int acceptanceMs;
        int heldMs;  // -1: still held
        Texts open;
    };
    const Row rows[] = {
        {"off: a touch opens the group", 0, 10, {"B"}},
        {"a 30 ms touch with a 100 ms acceptance does nothing", 100, 30, {}},
        {"held 150 ms with a 100 ms acceptance opens the group", 100, 150, {"B"}},
        {"the press counts while the key is still held", 300, -1, {"B"}},
    };
    for (const Row& row : rows) {
        OnB({.acceptanceMs = row.acceptanceMs});
        desktop.switchKeys.Down("space");
        if (row.heldMs >= 0) {
            Wait(row.heldMs);
            desktop.switchKeys.Up("space");
        } else {
            Wait(row.acceptanceMs);
        }
        EXPECT_EQ(OpenGroups(), row.open) << row.rule;
        desktop.switchKeys.Up("space");
        RightButton();
    }
}

TEST_F(SwitchRules, TwoPresses80MsApartWithA300MsFilterTypeOneKey) {
    OnB({.repeatMs = 300});
    desktop.switchKeys.Press("space");
    Steps(2);
    ASSERT_EQ(Highlighted(), "BA");
    desktop.ClearLog();
    desktop.switchKeys.Press("space");
    Wait(80);
    desktop.switchKeys.Press("space");
    EXPECT_EQ(desktop.Keys(), Join({Shifted(Tap('B')), Shifted(Tap('A'))}));
    EXPECT_TRUE(OpenGroups().empty()) << "the bounce did not open the first group";
    Wait(300);
    desktop.switchKeys.Press("space");
    EXPECT_EQ(OpenGroups(), Texts{"TECLES ESPECIALS"}) << "a press after the filter counts";
}

TEST_F(SwitchRules, TheMouseButtonFollowsTheSameRules) {
    struct Row {
        const char* rule;
        scan::SwitchRules rules;
        uint32_t pressedAt;
        uint32_t releasedAt;
        Texts open;
    };
    const Row rows[] = {
        {"off: a click opens the group", {}, 1000, 1010, {"B"}},
        {"a click too brief does nothing", {.acceptanceMs = 200}, 1000, 1100, {}},
        {"a click held long enough opens the group", {.acceptanceMs = 200}, 1000, 1250, {"B"}},
    };
    for (const Row& row : rows) {
        OnB(row.rules);
        ClickAtPointer(row.pressedAt, row.releasedAt);
        EXPECT_EQ(OpenGroups(), row.open) << row.rule;
        RightButton();
        ASSERT_FALSE(form.MenuActivarLEscaneigAutomatic->isChecked());
    }
}

TEST_F(SwitchRules, TheFirstKeyOfAGroupStaysTwoSteps) {
    OnB({.firstKeyPercent = 200});
    desktop.switchKeys.Press("space");
    Wait(StepTime());
    ASSERT_EQ(Highlighted(), "B") << "the group's own first key";
    Wait(StepTime());
    EXPECT_EQ(Highlighted(), "B") << "one step later it is still highlighted";
    Wait(StepTime());
    EXPECT_EQ(Highlighted(), "BA");
    Wait(StepTime());
    EXPECT_EQ(Highlighted(), "BE") << "the next keys stay one step";
}

TEST_F(SwitchRules, AfterAPassWithoutAPressTheScanRestsAndAPressStartsItAtTheTop) {
    form.scanning->SwitchRules.restPasses = 1;
    UseSwitches("space");
    StartScanning();
    for (int i = 0; i < 100 && !form.scanning->EstatEscaneig.Resting(); ++i) Step();
    ASSERT_TRUE(form.scanning->EstatEscaneig.Resting());
    const std::string last = Highlighted();
    const QPoint pointer = PointerInTree();
    Wait(10 * StepTime());
    EXPECT_EQ(Highlighted(), last) << "the highlight stays put";
    EXPECT_EQ(PointerInTree(), pointer) << "the pointer stays put";
    EXPECT_FALSE(form.scanning->TimerEscaneig.Enabled());

    desktop.ClearLog();
    desktop.switchKeys.Press("space");
    EXPECT_EQ(Highlighted(), "TECLES ESPECIALS") << "the scan starts again at the top";
    EXPECT_TRUE(desktop.Keys().empty()) << "the press typed nothing";
    EXPECT_TRUE(OpenGroups().empty()) << "the press chose nothing";
    EXPECT_TRUE(form.scanning->TimerEscaneig.Enabled());
    EXPECT_NE(Steps(1), Texts{"TECLES ESPECIALS"}) << "and runs on";

    for (int i = 0; i < 100 && !form.scanning->EstatEscaneig.Resting(); ++i) Step();
    ASSERT_TRUE(form.scanning->EstatEscaneig.Resting());
    desktop.ClearLog();
    ClickAtPointer(5000, 5050);
    EXPECT_EQ(Highlighted(), "TECLES ESPECIALS") << "a click wakes it the same way";
    EXPECT_TRUE(desktop.Keys().empty());
    EXPECT_TRUE(OpenGroups().empty());
}

}  // namespace
