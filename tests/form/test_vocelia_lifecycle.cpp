#include <gtest/gtest.h>

#include <QAction>
#include <fstream>
#include <optional>
#include <string>
#include <vector>

#include "app/Startup.h"
#include "app/TFormPrincipal.h"
#include "platform/profile/ProfileText.h"
#include "tests/form/test_vocelia_fixture.h"

namespace {

using voceliatest::BridgeCalls;
using voceliatest::ConfigPath;
using voceliatest::Suite;
using voceliatest::SuiteDesktop;

constexpr const char* kTitle = "Vocelia - Projecte Brunvol 2005";

std::string Message(platform::HWND bridge, int message) {
    return "SendMessageA(" + std::to_string(bridge) + ", " + std::to_string(message) + ", 0, 0)";
}

class VoceliaLifecycleTest : public voceliatest::SuiteFileTest, public ::testing::Test {
  protected:
    ~VoceliaLifecycleTest() override { std::filesystem::remove(ConfigPath("orvalet.ini")); }
};

TEST_F(VoceliaLifecycleTest, ClosingTellsTheBridgeAndRecordsTheEngine) {
    struct Case {
        const char* rule;
        bool bridgeChosen;
        bool bridgeRunning;
        const char* engine;
    };
    const Case cases[] = {
        {"the library chosen still closes a running bridge", false, true, "UPCTV"},
        {"the bridge chosen closes it and is remembered", true, true, "Sapi5.1"},
        {"the bridge chosen but not running: nothing to close", true, false, "Sapi5.1"},
        {"the library chosen, no bridge: the library is remembered", false, false, "UPCTV"},
    };
    for (const Case& c : cases) {
        voceliatest::Keyboard keyboard;
        SuiteDesktop& desktop = keyboard.desktop;
        TFormPrincipal& form = keyboard.form;
        const platform::HWND bridge = c.bridgeRunning ? desktop.AddWindow(kTitle) : 0;
        if (c.bridgeChosen) form.MenuSapi51->trigger();
        voceliatest::EndStartedBridges(desktop);
        form.show();
        voceliatest::RemoveSuiteFile();
        std::filesystem::remove(ConfigPath("orvalet.ini"));
        desktop.ClearLog();
        desktop.moments.clear();

        form.close();

        EXPECT_EQ(Suite("VOCELIA", "Orvalet"), "0") << c.rule;
        EXPECT_EQ(Suite("VOCELIA", "Programa executant-se"), "0") << c.rule;
        EXPECT_EQ(Suite("SINTETITZADOR", "Sintetitzador"), c.engine) << c.rule;
        if (!c.bridgeRunning) {
            EXPECT_TRUE(BridgeCalls(desktop).empty()) << c.rule;
            continue;
        }
        EXPECT_EQ(BridgeCalls(desktop), std::vector<std::string>{Message(bridge, 16)}) << c.rule;
        // Order: the keyboard's own settings, the two marks, the close, then the engine.
        ASSERT_EQ(desktop.moments.size(), 1u) << c.rule;
        const SuiteDesktop::Moment& atClose = desktop.moments[0];
        EXPECT_TRUE(atClose.settingsSaved) << c.rule;
        EXPECT_EQ(platform::FindProfileValue(atClose.suite, "VOCELIA", "Orvalet"), "0") << c.rule;
        EXPECT_EQ(platform::FindProfileValue(atClose.suite, "VOCELIA", "Programa executant-se"),
                  "0")
            << c.rule;
        EXPECT_EQ(platform::FindProfileValue(atClose.suite, "SINTETITZADOR", "Sintetitzador"),
                  std::nullopt)
            << c.rule;
    }
}

TEST_F(VoceliaLifecycleTest, ClosingLeavesNoBridgeItStarted) {
    struct Case {
        const char* rule;
        bool windowShown;   // the started bridge's window came up
        bool answersClose;  // and the bridge goes when asked
        bool endedBefore;   // the bridge ended by itself before the close
        bool asked;         // expected: WM_CLOSE sent to its window
        bool ended;         // expected: the keyboard ends it
    };
    const Case cases[] = {
        {"a bridge that goes when asked is not ended", true, true, false, true, false},
        {"a bridge that does not go when asked is ended", true, false, false, true, true},
        {"a bridge whose window never came up is ended", false, false, false, false, true},
        {"a bridge that ended by itself needs nothing", false, false, true, false, false},
    };
    for (const Case& c : cases) {
        voceliatest::Keyboard keyboard;
        SuiteDesktop& desktop = keyboard.desktop;
        TFormPrincipal& form = keyboard.form;
        form.MenuSapi51->trigger();
        ASSERT_EQ(desktop.Processes().size(), 1u) << c.rule;
        auto& [process, bridge] = *desktop.Processes().begin();
        if (c.windowShown) voceliatest::ShowStartedBridge(desktop);
        bridge.answersClose = c.answersClose;
        bridge.running = !c.endedBefore;
        form.show();
        voceliatest::RemoveSuiteFile();
        desktop.ClearLog();
        desktop.moments.clear();

        form.close();

        std::vector<std::string> expected;
        if (c.asked) expected.push_back(Message(bridge.window, 16));
        if (c.ended) expected.push_back("TerminateProcess(" + std::to_string(process) + ")");
        EXPECT_EQ(BridgeCalls(desktop), expected) << c.rule;
        EXPECT_FALSE(bridge.running) << c.rule;
        EXPECT_EQ(Suite("SINTETITZADOR", "Sintetitzador"), "Sapi5.1") << c.rule;
        // The engine is written once the bridge, which also writes the suite file, is gone.
        for (const SuiteDesktop::Moment& moment : desktop.moments) {
            EXPECT_EQ(platform::FindProfileValue(moment.suite, "SINTETITZADOR", "Sintetitzador"),
                      std::nullopt)
                << c.rule << ": " << moment.call;
        }
    }
}

TEST_F(VoceliaLifecycleTest, StartUpRestoresTheEngineChosenAtTheLastClose) {
    struct Case {
        const char* rule;
        const char* stored;  // nullptr: no suite file
        bool bridgeRunning;
        bool bridgeChosen;
    };
    const Case cases[] = {
        {"Sapi5.1 with the bridge running: shown, then the start-up message", "Sapi5.1", true,
         true},
        {"Sapi5.1 without the bridge: started, no start-up message", "Sapi5.1", false, true},
        {"sapi5.1 in lower case leaves the library", "sapi5.1", true, false},
        {"UPCTV leaves the library", "UPCTV", true, false},
        {"no suite file leaves the library", nullptr, true, false},
    };
    for (const Case& c : cases) {
        voceliatest::RemoveSuiteFile();
        if (c.stored) {
            platform::WritePrivateProfileStringA("SINTETITZADOR", "Sintetitzador", c.stored,
                                                 "projectebrunvol.ini");
        }
        std::ofstream(ConfigPath("orvalet.ini"), std::ios::binary)
            << "[Quarnel Orvalet]\r\nLlengua=Catal\xE0\r\n";
        SuiteDesktop desktop;
        const platform::HWND bridge = c.bridgeRunning ? desktop.AddWindow(kTitle) : 0;
        Startup startup(desktop, {});
        startup.Start();
        TFormPrincipal& form = *startup.FormPrincipal;

        EXPECT_EQ(form.MenuSapi51->isChecked(), c.bridgeChosen) << c.rule;
        EXPECT_EQ(form.MenuUPCTV->isChecked(), !c.bridgeChosen) << c.rule;
        std::vector<std::string> expected;
        if (c.bridgeChosen && c.bridgeRunning) {
            expected = {Message(bridge, 1026),
                        "SetForegroundWindow(" + std::to_string(bridge) + ")",
                        Message(bridge, 1025)};
        } else if (c.bridgeChosen) {
            expected = {"CreateProcessA(vocelia.exe BRUNVOL, 1)"};
        }
        EXPECT_EQ(BridgeCalls(desktop), expected) << c.rule;
        if (c.bridgeChosen && c.bridgeRunning) {
            ASSERT_EQ(desktop.moments.size(), 2u) << c.rule;
            // The start-up message waits 500 ms on the keyboard's clock after the choice.
            EXPECT_GE(desktop.moments[1].tick - desktop.moments[0].tick, 500u) << c.rule;
            EXPECT_EQ(form.programa.vocelia.FinestraVocelia(), bridge) << c.rule;
        }
        form.close();
        startup.Finish();
    }
}

}  // namespace
