#include <gtest/gtest.h>

#include <QAction>
#include <filesystem>

#include "platform/fake/FakeDesktop.h"
#include "tests/form/test_settings_fixture.h"

namespace {

using namespace settingstest;

std::filesystem::path SuitePath() { return SettingsPath().parent_path() / "projectebrunvol.ini"; }

// Closes the main window, as its close box would, once the clock reaches a given moment.
class CloseAt {
  public:
    CloseAt(ProgramRun& run, uint32_t delayMs)
        : run_(run), timer_(run.desktop.CreateTimer([this] { Close(); })) {
        timer_->start(static_cast<int>(delayMs));
    }
    uint32_t closedAt = 0;

  private:
    void Close() {
        timer_->stop();
        TFormPrincipal* form = run_.startup.FormPrincipal.get();
        if (!form || !form->isVisible()) return;
        closedAt = run_.desktop.GetTickCount();
        form->close();
    }
    ProgramRun& run_;
    std::unique_ptr<platform::TimerSource> timer_;
};

size_t CountOf(const std::string& text, const std::string& part) {
    size_t count = 0;
    for (size_t at = text.find(part); at != std::string::npos; at = text.find(part, at + 1))
        ++count;
    return count;
}

class StartupCloseTest : public SettingsTest {
  protected:
    void TearDown() override {
        std::filesystem::remove(SuitePath());
        SettingsTest::TearDown();
    }
};

// The splash takes the first second; the window is shown after it, then the bridge is restored
// (half a second) and scanning waits half a second before it starts.
TEST_F(StartupCloseTest, ClosingDuringAStartupWaitEndsStartupThere) {
    struct Case {
        const char* name;
        bool bridge;
        uint32_t closeAfterMs;  // from the start of start-up
    };
    const Case cases[] = {
        {"closed while the bridge is restored", true, 1250},
        {"closed while scanning waits to start, after the bridge", true, 1750},
        {"closed while scanning waits to start", false, 1250},
    };
    for (const Case& c : cases) {
        WriteFile(SettingsPath(), Lines({"[Quarnel Orvalet]", "Llengua=Catal\xE0", "[Menu]",
                                         "MenuActivarLEscaneigAutomatic=SI"}));
        std::filesystem::remove(SuitePath());
        if (c.bridge) WriteFile(SuitePath(), Lines({"[SINTETITZADOR]", "Sintetitzador=Sapi5.1"}));
        ProgramRun run;
        CloseAt close(run, c.closeAfterMs);
        const bool loopWanted = run.startup.Start();
        TFormPrincipal& form = run.form();

        EXPECT_FALSE(loopWanted) << c.name << ": the message loop would never end";
        ASSERT_NE(close.closedAt, 0u) << c.name;
        EXPECT_FALSE(form.isVisible()) << c.name;
        EXPECT_FALSE(form.MenuActivarLEscaneigAutomatic->isChecked()) << c.name;
        EXPECT_FALSE(form.scanning->TimerEscaneig.Enabled()) << c.name;
        EXPECT_FALSE(form.tracking->TimerCercaHandleFinestra.Enabled()) << c.name;
        run.desktop.ClearLog();
        run.desktop.Advance(5000);
        EXPECT_TRUE(run.desktop.CallsNamed("SetCursorPos").empty())
            << c.name << ": the pointer is pulled onto a window that is gone";
        EXPECT_TRUE(run.desktop.CallsNamed("SendMessageA").empty()) << c.name;

        const std::string saved = ReadFile(SettingsPath()).value_or("");
        EXPECT_EQ(CountOf(saved, "MenuActivarLEscaneigAutomatic=SI"), 1u)
            << c.name << ": scanning must come back at the next start";
        // Whatever else asks the window to close, the settings are written once.
        WriteFile(SettingsPath(), "unchanged");
        form.close();
        EXPECT_EQ(ReadFile(SettingsPath()), "unchanged") << c.name;
        run.startup.Finish();
    }
}

TEST_F(StartupCloseTest, AStartupThatRanToTheEndWantsTheMessageLoop) {
    WriteFile(SettingsPath(), Lines({"[Quarnel Orvalet]", "Llengua=Catal\xE0", "[Menu]",
                                     "MenuActivarLEscaneigAutomatic=SI"}));
    ProgramRun run;
    EXPECT_TRUE(run.startup.Start());
    EXPECT_TRUE(run.form().MenuActivarLEscaneigAutomatic->isChecked());
    EXPECT_TRUE(run.form().tracking->TimerCercaHandleFinestra.Enabled());
    // Scanning switched off by the user before closing stays off.
    run.form().scanning->MenuActivarLEscaneigAutomaticClick();
    run.Close();
    EXPECT_EQ(CountOf(ReadFile(SettingsPath()).value_or(""), "MenuActivarLEscaneigAutomatic=NO"),
              1u);
}

}  // namespace
