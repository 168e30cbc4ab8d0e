#include <QAction>

#include "app/SettingsFile.h"
#include "tests/form/test_settings_fixture.h"

namespace settingstest {
namespace {

using scan::ScanMode;

// The switches of a row: a choosing key and automatic scanning.
const scan::Switches kMouse{"", ScanMode::Automatic, "", 0};
const scan::Switches kSpace{"space", ScanMode::Automatic, "", 0};

std::string SwitchFile(std::initializer_list<const char*> switchLines) {
    std::string file = Lines({"[Quarnel Orvalet]", "Llengua=Catal\xE0", "[Commutador]"});
    for (const char* line : switchLines) (file += line) += "\r\n";
    return file;
}

class SwitchSettings : public SettingsTest {
  protected:
    void Start(ProgramRun& run) {
        run.desktop.switchKeys.SetKeyboard({"space", "Return", "F5"});
        run.Start();
    }
};

TEST_F(SwitchSettings, StoredSwitchesLoadByTheirRulesAndAMissingKeyIsToldOnce) {
    struct Case {
        const char* name;
        std::initializer_list<const char*> lines;
        scan::Switches loaded;
        // The key named by the one notice, or none.
        const char* told;
    };
    const Case cases[] = {
        {"no section: the mouse button and automatic scanning", {}, kMouse, nullptr},
        {"a key the keyboard has", {"Commutador=space"}, kSpace, nullptr},
        {"a key of another device: the mouse button",
         {"Commutador=XF86Launch5"},
         {},
         "XF86Launch5"},
        {"two switches with both keys",
         {"Commutador=space", "Escaneig=DosCommutadors", "Avancar=Return", "Avancar sol=10"},
         {"space", ScanMode::TwoSwitches, "Return", 10},
         nullptr},
        {"two switches with a moving key of another device: automatic",
         {"Commutador=space", "Escaneig=DosCommutadors", "Avancar=F13"},
         kSpace,
         "F13"},
        {"two switches without a moving key: automatic, nothing to tell",
         {"Escaneig=DosCommutadors"},
         kMouse,
         nullptr},
        {"one key for both: automatic, and told",
         {"Commutador=space", "Escaneig=DosCommutadors", "Avancar=space"},
         kSpace,
         "space"},
        {"a mode that is not one: automatic", {"Escaneig=dos", "Avancar=Return"}, {}, nullptr},
        {"a pause that is not offered: never",
         {"Escaneig=DosCommutadors", "Avancar=Return", "Avancar sol=7"},
         {"", ScanMode::TwoSwitches, "Return", 0},
         nullptr},
        {"a pause that is not a number: never",
         {"Escaneig=DosCommutadors", "Avancar=Return", "Avancar sol=molt"},
         {"", ScanMode::TwoSwitches, "Return", 0},
         nullptr},
    };
    for (const Case& c : cases) {
        WriteFile(SettingsPath(), SwitchFile(c.lines));
        ProgramRun run;
        Start(run);
        EXPECT_EQ(run.form().scanning->CurrentSwitches, c.loaded) << c.name;
        EXPECT_EQ(run.form().MenuSwitchMouse->isChecked(), c.loaded.chooseKey.empty()) << c.name;
        EXPECT_EQ(run.form().MenuTwoSwitches->isChecked(), c.loaded.mode == ScanMode::TwoSwitches)
            << c.name;
        const auto boxes = run.desktop.CallsNamed("MessageBoxA");
        if (c.told) {
            ASSERT_EQ(boxes.size(), 1u) << c.name;
            EXPECT_NE(boxes[0].args[0].find(std::string("(") + c.told + ")"), std::string::npos)
                << c.name << ": " << boxes[0].args[0];
        } else {
            EXPECT_TRUE(boxes.empty()) << c.name;
        }
        run.Close();
    }
}

TEST_F(SwitchSettings, TheSwitchesComeBackAfterARestart) {
    const scan::Switches chosen{"F5", ScanMode::TwoSwitches, "Return", 20};
    {
        ProgramRun run;
        Start(run);
        run.form().scanning->SetSwitches(chosen);
        run.Close();
    }
    const std::optional<std::string> saved = ReadFile(SettingsPath());
    ASSERT_TRUE(saved);
    EXPECT_NE(saved->find(Lines({"[Commutador]", "Commutador=F5", "Escaneig=DosCommutadors",
                                 "Avancar=Return", "Avancar sol=20"})),
              std::string::npos)
        << *saved;
    ProgramRun again;
    Start(again);
    EXPECT_EQ(again.form().scanning->CurrentSwitches, chosen);
    EXPECT_TRUE(again.form().MenuAutoAdvanceItems.back()->isChecked()) << "20 s is ticked";
    again.Close();
}

TEST_F(SwitchSettings, AKeyOfAnotherDeviceIsToldAtOneStartOnly) {
    struct Case {
        const char* name;
        std::initializer_list<const char*> lines;
        scan::Switches kept;
    };
    const Case cases[] = {
        {"the choosing key", {"Commutador=XF86Launch5"}, kMouse},
        {"the moving key",
         {"Commutador=space", "Escaneig=DosCommutadors", "Avancar=F13", "Avancar sol=10"},
         {"space", ScanMode::Automatic, "", 10}},
    };
    for (const Case& c : cases) {
        WriteFile(SettingsPath(), SwitchFile(c.lines));
        for (int start = 1; start <= 2; ++start) {
            ProgramRun run;
            Start(run);
            EXPECT_EQ(run.form().scanning->CurrentSwitches, c.kept)
                << c.name << ", start " << start;
            EXPECT_EQ(run.desktop.CallsNamed("MessageBoxA").size(), start == 1 ? 1u : 0u)
                << c.name << ", start " << start;
            run.Close();
        }
    }
}

TEST_F(SwitchSettings, BackToTheMouseButtonLeavesNoSwitchSection) {
    WriteFile(SettingsPath(), SwitchFile({"Commutador=space"}));
    ProgramRun run;
    Start(run);
    run.form().MenuSwitchMouse->trigger();
    run.Close();
    const std::optional<std::string> saved = ReadFile(SettingsPath());
    ASSERT_TRUE(saved);
    EXPECT_EQ(saved->find("Commutador"), std::string::npos) << *saved;
}

}  // namespace
}  // namespace settingstest
