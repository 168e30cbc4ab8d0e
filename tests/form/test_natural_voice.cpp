#include <QAction>
#include <QMenu>

#include "lang/CaptionTable.h"
#include "platform/Cp1252.h"
#include "tests/form/test_settings_fixture.h"
#include "tests/form/test_speech_fixture.h"

namespace {

using Calls = std::vector<std::string>;
using settingstest::Lines;
using settingstest::ProgramRun;
using settingstest::ReadFile;
using settingstest::SettingsPath;
using settingstest::SettingsTest;
using settingstest::WriteFile;

class NaturalVoice : public speechtest::SpeechForm {};

TEST_F(NaturalVoice, TheOptionSitsUntickedAfterTheSynthesiserMenu) {
    Start();
    const auto items = form->MenuOpcions->actions();
    const auto synthesiser = items.indexOf(form->MenuSintetitzador->menuAction());
    ASSERT_GE(synthesiser, 0);
    ASSERT_LT(synthesiser + 1, items.size());
    EXPECT_EQ(items[synthesiser + 1], form->MenuVeuNatural);
    EXPECT_TRUE(form->MenuVeuNatural->isCheckable());
    EXPECT_FALSE(form->MenuVeuNatural->isChecked()) << "off until the user turns it on";
    EXPECT_EQ(platform::FromQString(form->MenuVeuNatural->text()), "Veu natural");
}

TEST_F(NaturalVoice, TickingItAsksTheLibraryAfterTheVoiceAndUntickingTellsIt) {
    Start();
    form->PopupDona->trigger();
    library.Clear();
    form->MenuVeuNatural->trigger();
    EXPECT_TRUE(form->MenuVeuNatural->isChecked());
    EXPECT_EQ(library.Commands(),
              (Calls{"SetSpeed(100)", "SetLanguage(99)", "SetSpeaker(2)", "SetNaturalVoice(1)"}));

    library.Clear();
    form->speech->PopupHomeClick();
    EXPECT_EQ(library.Commands().back(), "SetNaturalVoice(1)")
        << "a reload of the library keeps the natural voice asked for";

    library.Clear();
    form->MenuVeuNatural->trigger();
    EXPECT_FALSE(form->MenuVeuNatural->isChecked());
    EXPECT_EQ(library.Commands(),
              (Calls{"SetNaturalVoice(0)", "SetSpeed(100)", "SetLanguage(99)", "SetSpeaker(0)"}));
}

class NaturalVoiceWithAnOlderLibrary : public speechtest::SpeechForm {
  protected:
    NaturalVoiceWithAnOlderLibrary() : SpeechForm(RECORDING_UPCTV_PARTIAL) {}
};

TEST_F(NaturalVoiceWithAnOlderLibrary, ALibraryWithoutTheEntryPointIsLeftAlone) {
    Start();
    form->MenuVeuNatural->trigger();
    EXPECT_TRUE(form->MenuVeuNatural->isChecked());
    for (const std::string& call : library.Calls()) {
        EXPECT_EQ(call.find("NaturalVoice"), std::string::npos) << call;
    }
}

TEST(NaturalVoiceCaption, FollowsTheInterfaceLanguage) {
    struct Row {
        lang::Llengua llengua;
        const char* caption;
    };
    const Row rows[] = {
        {lang::Llengua::Catala, "Veu natural"},     {lang::Llengua::Castella, "Voz natural"},
        {lang::Llengua::Euskera, "Ahots naturala"}, {lang::Llengua::Galego, "Voz natural"},
        {lang::Llengua::Portugues, "Voz natural"},
    };
    for (const Row& row : rows) {
        EXPECT_STREQ(lang::Text(lang::SpeechText::VeuNatural, row.llengua), row.caption);
    }
}

TEST_F(SettingsTest, TheNaturalVoiceIsKeptInTheMenuSection) {
    struct Case {
        const char* rule;
        const char* line;
        bool ticked;
        const char* written;
    };
    const Case cases[] = {
        {"missing: off", nullptr, false, "MenuVeuNatural=NO"},
        {"SI: on", "MenuVeuNatural=SI", true, "MenuVeuNatural=SI"},
        {"NO: off", "MenuVeuNatural=NO", false, "MenuVeuNatural=NO"},
        {"garbage: off", "MenuVeuNatural=\xFF\x01yes", false, "MenuVeuNatural=NO"},
    };
    for (const Case& c : cases) {
        std::string file = Lines({"[Quarnel Orvalet]", "Llengua=Catal\xE0", "[Menu]"});
        if (c.line) (file += c.line) += "\r\n";
        WriteFile(SettingsPath(), file);
        ProgramRun run;
        run.Start();
        EXPECT_EQ(run.form().MenuVeuNatural->isChecked(), c.ticked) << c.rule;
        run.Close();
        auto written = ReadFile(SettingsPath());
        ASSERT_TRUE(written) << c.rule;
        EXPECT_NE(written->find(std::string(c.written) + "\r\n"), std::string::npos) << c.rule;
    }
    // Turned on by the user, it is on at the next start.
    std::filesystem::remove(SettingsPath());
    {
        ProgramRun run;
        run.Start();
        run.form().MenuVeuNatural->trigger();
        run.Close();
    }
    ProgramRun next;
    next.Start();
    EXPECT_TRUE(next.form().MenuVeuNatural->isChecked());
    next.Close();
}

}  // namespace
