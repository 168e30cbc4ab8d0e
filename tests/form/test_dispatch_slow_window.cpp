#include "DispatchFixture.h"
#include "DispatchKeys.h"

namespace {

using namespace dispatchkeys;

class SlowWindowManager : public DispatchFixture {};

TEST_F(SlowWindowManager, AKeyWaitsForTheReceivingWindowAndArrivesThere) {
    struct Row {
        const char* rule;
        uint32_t activationMs;
        std::vector<std::string> path;
        Keys expected;
    };
    const Row rows[] = {
        {"a window manager busy for 0.8 s",
         800,
         {"B", "BA"},
         Join({Shifted(Tap('B')), Shifted(Tap('A'))})},
        {"busy for 3 s", 3000, {"Y"}, Shifted(Tap('Y'))},
        {"a special key waits too", 800, {"TECLES ESPECIALS", "FI"}, Tap(VK_END)},
    };
    for (const Row& row : rows) {
        desktop.SetForeground(OwnWindow());
        desktop.SetActivationDelay(row.activationMs);
        const uint32_t start = desktop.GetTickCount();
        ClickPath(row.path);
        EXPECT_EQ(desktop.Keys(), row.expected) << row.rule;
        EXPECT_EQ(desktop.Foreground(), editor) << row.rule;
        EXPECT_GE(desktop.GetTickCount() - start, row.activationMs) << row.rule;
        EXPECT_TRUE(desktop.CallsNamed("MessageBeep").empty()) << row.rule;
        EXPECT_TRUE(form.tracking->TimerCercaHandleFinestra.Enabled()) << row.rule;
        form.Tree->CollapseAll();
        desktop.ClearLog();
    }
}

TEST_F(SlowWindowManager, AKeyThatCannotReachTheReceiverIsNotTypedElsewhereAndSaysSo) {
    struct Row {
        const char* rule;
        std::function<void()> trouble;
    };
    const Row rows[] = {
        {"the window manager never hands the focus over",
         [&] { desktop.SetActivationDelay(60000); }},
        {"the receiving window has closed", [&] { desktop.CloseWindow(editor); }},
    };
    for (const Row& row : rows) {
        SetUp();
        row.trouble();
        ClickPath({"B", "BA"});
        EXPECT_TRUE(desktop.Keys().empty()) << row.rule;
        EXPECT_EQ(desktop.CallsNamed("MessageBeep").size(), 1u) << row.rule;
        EXPECT_TRUE(OpenGroups().empty()) << row.rule << ": the key is done with all the same";
        EXPECT_TRUE(form.tracking->TimerCercaHandleFinestra.Enabled()) << row.rule;
    }
}

TEST_F(SlowWindowManager, OpeningAGroupDoesNotWaitForTheReceivingWindow) {
    desktop.SetActivationDelay(60000);
    const uint32_t start = desktop.GetTickCount();
    ClickPath({"B"});
    EXPECT_EQ(OpenGroups(), std::vector<std::string>{"B"});
    EXPECT_LT(desktop.GetTickCount() - start, 1000u);
    EXPECT_TRUE(desktop.CallsNamed("MessageBeep").empty());
}

TEST_F(SlowWindowManager, WithSendingSwitchedOffNothingIsSentAndNothingSounds) {
    form.MenuEnviarLesTeclesALAplicacioActiva->trigger();
    desktop.CloseWindow(editor);
    ClickPath({"B", "BA"});
    EXPECT_TRUE(desktop.Keys().empty());
    EXPECT_TRUE(desktop.CallsNamed("MessageBeep").empty());
}

}  // namespace
