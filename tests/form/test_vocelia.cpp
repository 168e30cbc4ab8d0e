#include <gtest/gtest.h>

#include <QAction>
#include <QMenu>
#include <optional>
#include <string>
#include <vector>

#include "app/TFormPrincipal.h"
#include "platform/profile/ProfileText.h"
#include "tests/form/FormFixture.h"
#include "tests/form/test_vocelia_fixture.h"

namespace {

using voceliatest::BridgeCalls;
using voceliatest::Suite;
using voceliatest::SuiteDesktop;

constexpr const char* kTitle = "Vocelia - Projecte Brunvol 2005";
constexpr const char* kStart = "CreateProcessA(vocelia.exe BRUNVOL, 1)";

std::string Read(platform::HWND bridge) {
    return "SendMessageA(" + std::to_string(bridge) + ", 1024, 0, 0)";
}
std::string Show(platform::HWND bridge) {
    return "SendMessageA(" + std::to_string(bridge) + ", 1026, 0, 0)";
}
std::string Foreground(platform::HWND bridge) {
    return "SetForegroundWindow(" + std::to_string(bridge) + ")";
}

std::optional<std::string> In(const std::string& suite, const char* section, const char* key) {
    return platform::FindProfileValue(suite, section, key);
}

class VoceliaTest : public voceliatest::SuiteFileTest, public FormFixtureOn<SuiteDesktop> {
  protected:
    void Fresh() {
        voceliatest::RemoveSuiteFile();
        desktop.ClearLog();
        desktop.moments.clear();
    }
};

TEST_F(VoceliaTest, EnviarAVoceliaWritesTheTextOnOneLineBeforeTheReadMessage) {
    struct Case {
        const char* rule;
        std::string text;
        std::optional<std::string> written;  // the "LLEGIR" line; nothing: nothing is sent
    };
    const Case cases[] = {
        {"CR LF becomes one space", "HOLA\r\nADEU ", "hola adeu "},
        {"a lone LF cannot start a key of its own", "A\nSTATUS=1 ", "a status=1 "},
        {"a lone CR cannot start a key of its own", "A\rSTATUS=1 ", "a status=1 "},
        {"a text of spaces only sends nothing", "    ", std::nullopt},
        {"a text of line breaks only sends nothing", "\r\n\n ", std::nullopt},
        {"a tab alone still goes", "\t ", "\t "},
        {"accented capitals keep their case", "\xC0VIA ", "\xC0via "},
    };
    const platform::HWND bridge = desktop.AddWindow(kTitle);
    for (const Case& c : cases) {
        Fresh();
        form.programa.vocelia.EnviarAVocelia(c.text);
        if (!c.written) {
            EXPECT_TRUE(BridgeCalls(desktop).empty()) << c.rule;
            EXPECT_EQ(Suite("VOCELIA", "LLEGIR"), "(missing)") << c.rule;
            continue;
        }
        EXPECT_EQ(BridgeCalls(desktop), std::vector<std::string>{Read(bridge)}) << c.rule;
        ASSERT_EQ(desktop.moments.size(), 1u) << c.rule;
        const std::string& atSend = desktop.moments[0].suite;
        EXPECT_NE(atSend.find("LLEGIR=" + *c.written + "\r\n"), std::string::npos) << c.rule;
        EXPECT_EQ(In(atSend, "VOCELIA", "STATUS"), std::nullopt) << c.rule;
        EXPECT_EQ(form.programa.vocelia.FinestraVocelia(), bridge) << c.rule;
    }
}

TEST_F(VoceliaTest, EnviarAVoceliaStartsAMissingBridgeAndDropsTheText) {
    Fresh();
    form.programa.vocelia.EnviarAVocelia("HOLA ");
    EXPECT_EQ(BridgeCalls(desktop), std::vector<std::string>{kStart});
    ASSERT_EQ(desktop.moments.size(), 1u);
    // Marked as opened by the keyboard before the start, running after it.
    EXPECT_EQ(In(desktop.moments[0].suite, "VOCELIA", "orvalet"), "1");
    EXPECT_EQ(In(desktop.moments[0].suite, "VOCELIA", "Programa executant-se"), std::nullopt);
    EXPECT_EQ(Suite("VOCELIA", "Programa executant-se"), "1");
    EXPECT_EQ(Suite("VOCELIA", "LLEGIR"), "(missing)");
    EXPECT_EQ(form.programa.vocelia.FinestraVocelia(), 0u);
}

TEST_F(VoceliaTest, TheCaptionShowingTheBridgesTitleIsNotTakenForTheBridge) {
    // Tracking gives the keyboard's caption the title of the window in front: the bridge's.
    form.setWindowTitle(kTitle);
    ASSERT_NE(OwnWindow(), 0u);
    Fresh();
    form.programa.vocelia.EnviarAVocelia("HOLA ");
    EXPECT_EQ(BridgeCalls(desktop), std::vector<std::string>{kStart});

    const platform::HWND bridge = voceliatest::ShowStartedBridge(desktop);
    Fresh();
    form.programa.vocelia.EnviarAVocelia("HOLA ");
    EXPECT_EQ(BridgeCalls(desktop), std::vector<std::string>{Read(bridge)});
    Fresh();
    form.close();
    EXPECT_EQ(BridgeCalls(desktop),
              (std::vector<std::string>{"SendMessageA(" + std::to_string(bridge) + ", 16, 0, 0)"}));
}

TEST_F(VoceliaTest, ChoosingSapi51TwiceSelectsOnceButShowsOrStartsEachTime) {
    struct Case {
        const char* rule;
        bool bridgeRunning;
    };
    const Case cases[] = {
        {"a running bridge is shown and brought to the front", true},
        {"a missing bridge is started, again once it has ended", false},
    };
    for (const Case& c : cases) {
        voceliatest::Keyboard keyboard;
        SuiteDesktop& desktop = keyboard.desktop;
        TFormPrincipal& form = keyboard.form;
        const platform::HWND bridge = c.bridgeRunning ? desktop.AddWindow(kTitle) : 0;
        const std::vector<std::string> eachTime =
            c.bridgeRunning ? std::vector<std::string>{Show(bridge), Foreground(bridge)}
                            : std::vector<std::string>{kStart};
        voceliatest::RemoveSuiteFile();
        desktop.ClearLog();

        form.MenuSapi51->trigger();
        EXPECT_EQ(BridgeCalls(desktop), eachTime) << c.rule;
        EXPECT_EQ(Suite("VOCELIA", "Nombre de sintetitzadors SAPI 5.1 disponibles"), "0") << c.rule;
        EXPECT_EQ(In(desktop.moments.at(0).suite, "VOCELIA", "orvalet"), "1") << c.rule;
        EXPECT_TRUE(form.MenuSapi51->isChecked()) << c.rule;
        EXPECT_FALSE(form.MenuUPCTV->isChecked()) << c.rule;
        EXPECT_FALSE(form.PopupVeuDe->isEnabled()) << c.rule;
        EXPECT_TRUE(form.MenuIdiomaSapi51->isEnabled()) << c.rule;

        platform::WritePrivateProfileStringA("VOCELIA",
                                             "Nombre de sintetitzadors SAPI 5.1 disponibles",
                                             nullptr, "projectebrunvol.ini");
        voceliatest::EndStartedBridges(desktop);
        desktop.ClearLog();
        form.MenuSapi51->trigger();
        EXPECT_EQ(BridgeCalls(desktop), eachTime) << c.rule;
        EXPECT_EQ(Suite("VOCELIA", "Nombre de sintetitzadors SAPI 5.1 disponibles"), "(missing)")
            << c.rule;
        EXPECT_TRUE(form.MenuSapi51->isChecked()) << c.rule;
        EXPECT_FALSE(form.MenuUPCTV->isChecked()) << c.rule;
    }
}

TEST_F(VoceliaTest, NoSecondBridgeIsStartedWhileTheFirstIsComingUp) {
    struct Case {
        const char* rule;
        const char* second;  // "read" or "choose": the request after the one that started it
        uint32_t waitMs;     // between the two requests, with no bridge window listed
        bool firstEnded;     // the first bridge ended by itself meanwhile
        std::size_t starts;
    };
    const Case cases[] = {
        {"a read while the bridge it started shows no window yet", "read", 0, false, 1},
        {"choosing Sapi 5.1 again while it comes up", "choose", 0, false, 1},
        {"a bridge the window manager never lists, long after", "read", 60000, false, 1},
        {"a bridge that ended is started again", "read", 0, true, 2},
    };
    for (const Case& c : cases) {
        voceliatest::Keyboard keyboard;
        SuiteDesktop& desktop = keyboard.desktop;
        TFormPrincipal& form = keyboard.form;
        form.MenuSapi51->trigger();
        ASSERT_EQ(desktop.Processes().size(), 1u) << c.rule;
        if (c.firstEnded) desktop.Processes().begin()->second.running = false;
        desktop.Advance(c.waitMs);
        if (std::string(c.second) == "read") form.programa.vocelia.EnviarAVocelia("HOLA ");
        if (std::string(c.second) == "choose") form.MenuSapi51->trigger();
        EXPECT_EQ(desktop.CallsNamed("CreateProcessA").size(), c.starts) << c.rule;
    }
}

TEST_F(VoceliaTest, IdiomaSapi51OnlyShowsTheBridge) {
    const platform::HWND bridge = desktop.AddWindow(kTitle);
    form.MenuSapi51->trigger();
    Fresh();
    form.MenuIdiomaSapi51->trigger();
    EXPECT_EQ(BridgeCalls(desktop), (std::vector<std::string>{Show(bridge), Foreground(bridge)}));
    EXPECT_EQ(Suite("VOCELIA", "Nombre de sintetitzadors SAPI 5.1 disponibles"), "(missing)");
    EXPECT_TRUE(form.MenuSapi51->isChecked());
    EXPECT_TRUE(form.MenuIdiomaSapi51->isEnabled());
}

TEST_F(VoceliaTest, SwitchingBackToTheLibrarySendsNothingToTheBridge) {
    desktop.AddWindow(kTitle);
    form.MenuSapi51->trigger();
    Fresh();
    form.MenuUPCTV->trigger();
    EXPECT_TRUE(BridgeCalls(desktop).empty());
    EXPECT_TRUE(form.MenuUPCTV->isChecked());
    EXPECT_FALSE(form.MenuSapi51->isChecked());
    EXPECT_FALSE(form.MenuIdiomaSapi51->isEnabled());
}

}  // namespace
