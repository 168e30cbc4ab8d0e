#include <QAction>
#include <QCheckBox>
#include <QComboBox>
#include <QDialogButtonBox>
#include <QPushButton>

#include "app/SettingsFile.h"
#include "scanning/SwitchRulesDialog.h"
#include "tests/form/test_settings_fixture.h"

namespace settingstest {
namespace {

std::string RulesFile(std::initializer_list<const char*> ruleLines) {
    std::string file = Lines({"[Quarnel Orvalet]", "Llengua=Catal\xE0", "[Commutador]"});
    for (const char* line : ruleLines) (file += line) += "\r\n";
    return file;
}

class SwitchRulesSettings : public SettingsTest {};

TEST_F(SwitchRulesSettings, StoredRulesLoadClampedToTheValuesOffered) {
    struct Case {
        const char* name;
        std::initializer_list<const char*> lines;
        scan::SwitchRules loaded;
    };
    const Case cases[] = {
        {"no rules: all off", {}, {}},
        {"values offered",
         {"Acceptacio=100", "Repeticio=300", "Primera tecla=150", "Repos=3"},
         {100, 300, 150, 3}},
        {"out of range: the nearest end",
         {"Acceptacio=5000", "Repeticio=-40", "Primera tecla=900", "Repos=99"},
         {1000, 0, 200, 10}},
        {"between values: the nearest one",
         {"Acceptacio=120", "Repeticio=260", "Primera tecla=140", "Repos=2"},
         {100, 300, 150, 2}},
        {"not numbers: off",
         {"Acceptacio=molt", "Repeticio=1,5", "Primera tecla=doble", "Repos=sempre"},
         {0, 0, 100, 0}},
        {"a cue voice offered",
         {"Velocitat de l'avis=150", "Altra veu de l'avis=SI"},
         {0, 0, 100, 0, {150, true}}},
        {"a cue speed out of range: the nearest; a flag not SI: the same speaker",
         {"Velocitat de l'avis=400", "Altra veu de l'avis=si"},
         {0, 0, 100, 0, {200, false}}},
        {"a cue speed below the least faster one: as fast",
         {"Velocitat de l'avis=50", "Altra veu de l'avis=1"},
         {0, 0, 100, 0, {0, false}}},
        {"a cue speed that is not a number: as fast",
         {"Velocitat de l'avis=rapida", "Altra veu de l'avis=NO"},
         {0, 0, 100, 0, {0, false}}},
    };
    for (const Case& c : cases) {
        WriteFile(SettingsPath(), RulesFile(c.lines));
        ProgramRun run;
        run.Start();
        EXPECT_EQ(run.form().scanning->SwitchRules, c.loaded) << c.name;
        EXPECT_TRUE(run.desktop.CallsNamed("MessageBoxA").empty()) << c.name << ": nothing to tell";
        run.Close();
    }
}

TEST_F(SwitchRulesSettings, TheRulesComeBackAfterARestart) {
    const scan::SwitchRules chosen{50, 2000, 200, 1, {125, true}};
    {
        ProgramRun run;
        run.Start();
        run.form().scanning->AskSwitchRules = [&](const scan::SwitchRules& shown) {
            EXPECT_EQ(shown, scan::SwitchRules{}) << "the dialog shows the rules in force";
            return std::optional(chosen);
        };
        run.form().MenuSwitchRules->trigger();
        run.Close();
    }
    const std::optional<std::string> saved = ReadFile(SettingsPath());
    ASSERT_TRUE(saved);
    EXPECT_NE(saved->find(Lines({"Acceptacio=50", "Repeticio=2000", "Primera tecla=200", "Repos=1",
                                 "Velocitat de l'avis=125", "Altra veu de l'avis=SI"})),
              std::string::npos)
        << *saved;
    ProgramRun again;
    again.Start();
    EXPECT_EQ(again.form().scanning->SwitchRules, chosen);
    again.form().scanning->AskSwitchRules = [](const scan::SwitchRules&) {
        return std::optional<scan::SwitchRules>();
    };
    again.form().MenuSwitchRules->trigger();
    EXPECT_EQ(again.form().scanning->SwitchRules, chosen) << "cancelled: the rules stay";
    again.form().scanning->SetSwitchRules({});
    again.Close();
    const std::optional<std::string> cleared = ReadFile(SettingsPath());
    ASSERT_TRUE(cleared);
    EXPECT_EQ(cleared->find("Commutador"), std::string::npos)
        << "all off with the mouse button: no section, as the design's file\n"
        << *cleared;
}

TEST(SwitchRulesDialog, ShowsTheRulesAndGivesBackWhatIsChosen) {
    const SwitchRulesCaptions captions{"Filtres i ritme", "A", "R", "P",       "D",     "No", "Mai",
                                       "%1 passades",     "V", "L", "D'acord", "Cancel"};
    SwitchRulesDialog dialog(captions, {150, 0, 200, 4, {150, true}});
    EXPECT_EQ(dialog.Rules(), (scan::SwitchRules{150, 0, 200, 4, {150, true}}));
    const QList<QComboBox*> lists = dialog.findChildren<QComboBox*>();
    ASSERT_EQ(lists.size(), 5);
    const QList<QCheckBox*> boxes = dialog.findChildren<QCheckBox*>();
    ASSERT_EQ(boxes.size(), 1);
    EXPECT_EQ(lists[4]->count(), 5) << "cue speed: as fast, × 1,25 … 2";
    EXPECT_EQ(lists[4]->currentText(), QString::fromUtf8("× 1,5"));
    EXPECT_TRUE(boxes[0]->isChecked());
    EXPECT_EQ(lists[0]->count(), 21) << "acceptance: off, 50 … 1000 ms";
    EXPECT_EQ(lists[1]->count(), 21) << "repeats: off, 100 … 2000 ms";
    EXPECT_EQ(lists[2]->count(), 3) << "first key: × 1, 1,5, 2";
    EXPECT_EQ(lists[3]->count(), 11) << "rest: never, 1 … 10 passes";
    EXPECT_EQ(lists[0]->currentText(), "150 ms");
    EXPECT_EQ(lists[1]->currentText(), "No");
    EXPECT_EQ(lists[2]->currentText(), QString::fromUtf8("× 2"));
    EXPECT_EQ(lists[3]->currentText(), "4 passades");
    lists[0]->setCurrentIndex(0);
    lists[2]->setCurrentIndex(1);
    lists[3]->setCurrentIndex(0);
    lists[4]->setCurrentIndex(4);
    boxes[0]->setChecked(false);
    EXPECT_EQ(dialog.Rules(), (scan::SwitchRules{0, 0, 150, 0, {200, false}}));
}

}  // namespace
}  // namespace settingstest
