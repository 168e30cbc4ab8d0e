#include <QAction>
#include <QLineEdit>
#include <QMenu>
#include <QToolButton>

#include "platform/Cp1252.h"
#include "test_speech_fixture.h"

namespace {

using speechtest::SpeechForm;
using Calls = std::vector<std::string>;

const char* const kReloadText =
    "No trobo la upctv.dll. No podr\xE9 llegir els textos. Si voleu que siguin llegits, "
    "instal.leu correctament la upctv.dll";
const char* const kReloadCaption = "Brunvol 2001 - Orvalet - Sense lectura";
const std::string kNoLibraryHint =
    "Llegir lo escrit. No es pot fer servir perqu\xE8 no hi ha instal.lada la upctv.dll";

class SpeechBinding : public SpeechForm {
  protected:
    void CheckLanguage(QAction* language) {
        for (QAction* each : {form->PopupCatala, form->PopupCastellano, form->PopupEuskera,
                              form->PopupGalego, form->MenuPortugues}) {
            each->setChecked(each == language);
        }
    }
    std::vector<QAction*> ReadingMenuItems() const {
        return {form->MenuLlegirlateclaEnEscaneigAutomatic,
                form->MenuLlegirElQueSEscriu,
                form->MenuLlegeixLoDeLaCarpetaSensePosarHiRes,
                form->MenuLlegeixLoSeleccionat,
                form->MenuSeleccionaTotTeclesEstandar,
                form->MenuSeleccionaAmbCtrlA,
                form->MenuSeleccionaAmbCtrlE};
    }
    bool ReadingControlsDisabled() const {
        bool disabled = !form->ButtonLectura->isEnabled() && !form->PopupLlenguatge->isEnabled() &&
                        !form->PopupVeuDe->isEnabled();
        for (QAction* item : ReadingMenuItems()) disabled = disabled && !item->isEnabled();
        return disabled;
    }
};

TEST_F(SpeechBinding, StartBindsTheLibraryAndSetsTheDefaultSpeed) {
    speech::CarregarUpcTV(programa);
    EXPECT_TRUE(programa.upctv.Loaded());
    EXPECT_EQ(library.Calls(), Calls{"SetSpeed(100)"});
    ASSERT_EQ(desktop.CallsNamed("LoadLibraryA").size(), 1u);
    EXPECT_EQ(desktop.CallsNamed("LoadLibraryA")[0].args[0], "upctv.dll");
}

TEST_F(SpeechBinding, VoiceAndLanguageSendTheirCodesAfterAReload) {
    struct Case {
        const char* rule;
        QAction* TFormPrincipal::*language;
        void (speech::Speech::*choose)();
        Calls calls;
    };
    const Case cases[] = {
        {"Dona with Catalan: 99, 2",
         &TFormPrincipal::PopupCatala,
         &speech::Speech::PopupDonaClick,
         {"SetSpeed(100)", "SetLanguage(99)", "SetSpeaker(2)"}},
        {"Home again with Catalan reloads and sends 99, 0",
         &TFormPrincipal::PopupCatala,
         &speech::Speech::PopupHomeClick,
         {"SetSpeed(100)", "SetLanguage(99)", "SetSpeaker(0)"}},
        {"Castilian with Home: 101, 1",
         &TFormPrincipal::PopupCastellano,
         &speech::Speech::AplicarVeu,
         {"SetSpeed(100)", "SetLanguage(101)", "SetSpeaker(1)"}},
        {"Dona with Castilian: 101, 0",
         &TFormPrincipal::PopupCastellano,
         &speech::Speech::PopupDonaClick,
         {"SetSpeed(100)", "SetLanguage(101)", "SetSpeaker(0)"}},
        {"Basque speaks as Castilian",
         &TFormPrincipal::PopupEuskera,
         &speech::Speech::PopupHomeClick,
         {"SetSpeed(100)", "SetLanguage(101)", "SetSpeaker(1)"}},
        {"Portuguese speaks as Castilian",
         &TFormPrincipal::MenuPortugues,
         &speech::Speech::PopupHomeClick,
         {"SetSpeed(100)", "SetLanguage(101)", "SetSpeaker(1)"}},
    };
    Start();
    for (const Case& c : cases) {
        CheckLanguage(form.get()->*c.language);
        library.Clear();
        desktop.ClearLog();
        (form->speech.get()->*c.choose)();
        EXPECT_EQ(library.Calls(), c.calls) << c.rule;
        EXPECT_EQ(desktop.CallsNamed("FreeLibrary").size(), 1u) << c.rule;
        EXPECT_EQ(desktop.CallsNamed("LoadLibraryA").size(), 1u) << c.rule;
    }
}

TEST_F(SpeechBinding, VoiceItemsExcludeEachOtherThroughTheMenu) {
    Start();
    form->PopupDona->trigger();
    EXPECT_TRUE(form->PopupDona->isChecked());
    EXPECT_FALSE(form->PopupHome->isChecked());
    form->PopupDona->trigger();
    EXPECT_TRUE(form->PopupDona->isChecked()) << "clicking the checked voice keeps it";
    form->PopupHome->trigger();
    EXPECT_TRUE(form->PopupHome->isChecked());
    EXPECT_FALSE(form->PopupDona->isChecked());
}

TEST_F(SpeechBinding, AReloadPassesTheSpeedOfTheField) {
    Start();
    form->EditVelocitat->setText("150");
    library.Clear();
    form->speech->PopupHomeClick();
    EXPECT_EQ(library.Calls(), (Calls{"SetSpeed(150)", "SetLanguage(99)", "SetSpeaker(0)"}));
}

TEST_F(SpeechBinding, AVoiceChangeStopsARunningReading) {
    Start();
    ASSERT_TRUE(form->speech->LlegirTecla("BA"));
    library.Clear();
    form->speech->PopupDonaClick();
    EXPECT_EQ(library.Commands(),
              (Calls{"Stop()", "SetSpeed(100)", "SetLanguage(99)", "SetSpeaker(2)"}));
    EXPECT_FALSE(programa.LecturaEnCurs);
    desktop.Advance(100);
    EXPECT_TRUE(Idle()) << "the next status poll puts the toolbar at rest";
}

TEST_F(SpeechBinding, SpeedTextsAreValidatedAndPassed) {
    struct Case {
        const char* text;
        const char* field;
        Calls calls;
    };
    // A reset to "100" runs the handler again, which passes 100 a second time.
    const Case cases[] = {
        {"0", "100", {"SetSpeed(100)", "SetSpeed(100)"}},
        {"256", "100", {"SetSpeed(100)", "SetSpeed(100)"}},
        {"abc", "100", {"SetSpeed(100)", "SetSpeed(100)"}},
        {"", "100", {"SetSpeed(100)", "SetSpeed(100)"}},
        {"-5", "100", {"SetSpeed(100)", "SetSpeed(100)"}},
        {"99999999999", "100", {"SetSpeed(100)", "SetSpeed(100)"}},
        {"12x", "12x", {"SetSpeed(12)"}},
        {"255", "255", {"SetSpeed(255)"}},
        {"1", "1", {"SetSpeed(1)"}},
        {" 80", " 80", {"SetSpeed(80)"}},
    };
    Start();
    for (const Case& c : cases) {
        form->EditVelocitat->setText("50");
        library.Clear();
        form->EditVelocitat->setText(c.text);
        EXPECT_EQ(form->EditVelocitat->text().toStdString(), c.field) << "text " << c.text;
        EXPECT_EQ(library.Calls(), c.calls) << "text " << c.text;
    }
}

TEST_F(SpeechBinding, ASpeedChangeStopsARunningReadingFirst) {
    Start();
    ASSERT_TRUE(form->speech->LlegirTecla("BA"));
    library.Clear();
    form->EditVelocitat->setText("120");
    EXPECT_EQ(library.Commands(), (Calls{"Stop()", "SetSpeed(120)"}));
    EXPECT_TRUE(Idle());
}

TEST_F(SpeechBinding, WithoutTheLibraryNothingIsCalledAndReadingIsOff) {
    Start(false);
    EXPECT_FALSE(programa.upctv.Loaded());
    EXPECT_TRUE(ReadingControlsDisabled());
    EXPECT_EQ(ReadHint(), kNoLibraryHint);
    form->EditVelocitat->setText("abc");
    EXPECT_EQ(form->EditVelocitat->text().toStdString(), "100") << "the field still validates";
    form->speech->PopupDonaClick();
    EXPECT_TRUE(form->PopupDona->isChecked()) << "voice changes only move check marks";
    EXPECT_FALSE(form->speech->LlegirTecla("BA")) << "there is nothing to read with";
    EXPECT_TRUE(Idle());
    desktop.Advance(500);
    EXPECT_TRUE(library.Calls().empty());
    EXPECT_TRUE(desktop.CallsNamed("MessageBoxA").empty()) << "no message at start";
    EXPECT_TRUE(desktop.CallsNamed("FreeLibrary").empty());
}

TEST_F(SpeechBinding, AFailedReloadIsToldOnceAndDisablesReading) {
    Start();
    desktop.SetLibrary("upctv.dll", std::nullopt);
    form->speech->PopupDonaClick();
    const auto boxes = desktop.CallsNamed("MessageBoxA");
    ASSERT_EQ(boxes.size(), 1u);
    EXPECT_EQ(boxes[0].args, (std::vector<std::string>{kReloadText, kReloadCaption, "64"}));
    EXPECT_TRUE(ReadingControlsDisabled());
    EXPECT_TRUE(Idle());

    desktop.SetLibrary("upctv.dll", std::string(RECORDING_UPCTV));
    library.Clear();
    form->speech->PopupHomeClick();
    form->speech->PopupDonaClick();
    EXPECT_EQ(desktop.CallsNamed("MessageBoxA").size(), 1u) << "no second message";
    EXPECT_EQ(desktop.CallsNamed("LoadLibraryA").size(), 1u) << "the library stays unbound";
    EXPECT_TRUE(form->PopupDona->isChecked());
    EXPECT_FALSE(form->PopupHome->isChecked());
    EXPECT_TRUE(library.Calls().empty());
}

TEST_F(SpeechBinding, AFailedReloadDuringAPauseLeavesNothingToResume) {
    Start();
    form->speech->MenuLlegeixLoDeLaCarpetaSensePosarHiResClick();
    Click(form->ButtonLectura);
    Click(form->ButtonPausa);
    desktop.SetLibrary("upctv.dll", std::nullopt);
    form->speech->PopupDonaClick();
    EXPECT_TRUE(Idle());
    EXPECT_FALSE(form->programa.LecturaPausada);
    EXPECT_EQ(ReadHint(), kNoLibraryHint);
}

TEST_F(SpeechBinding, ChoosingTheLibraryEngine) {
    Start();
    form->MenuUPCTV->trigger();
    EXPECT_TRUE(form->MenuUPCTV->isChecked()) << "already checked: nothing changes";
    EXPECT_TRUE(form->PopupVeuDe->isEnabled());

    form->MenuUPCTV->setChecked(false);
    form->MenuSapi51->setChecked(true);
    form->PopupVeuDe->setEnabled(false);
    form->MenuIdiomaSapi51->setEnabled(true);
    form->MenuUPCTV->trigger();
    EXPECT_TRUE(form->MenuUPCTV->isChecked());
    EXPECT_FALSE(form->MenuSapi51->isChecked());
    EXPECT_TRUE(form->PopupVeuDe->isEnabled());
    EXPECT_FALSE(form->MenuIdiomaSapi51->isEnabled());
    EXPECT_TRUE(library.Calls().empty()) << "nothing is sent to the engine";
}

TEST_F(SpeechBinding, ChoosingTheLibraryEngineWithoutTheLibraryKeepsTheVoicesOff) {
    Start(false);
    form->MenuUPCTV->setChecked(false);
    form->MenuSapi51->setChecked(true);
    form->MenuUPCTV->trigger();
    EXPECT_TRUE(form->MenuUPCTV->isChecked());
    EXPECT_FALSE(form->PopupVeuDe->isEnabled());
}

class PartialLibrary : public speechtest::SpeechForm {
  protected:
    PartialLibrary() : SpeechForm(RECORDING_UPCTV_PARTIAL) {}
};

TEST_F(PartialLibrary, MissingEntryPointsAreSkipped) {
    Start();
    EXPECT_TRUE(programa.upctv.Loaded());
    form->speech->PopupDonaClick();
    EXPECT_EQ(library.Calls(), (Calls{"SetSpeed(100)", "SetLanguage(99)"})) << "no speaker";

    library.Clear();
    ASSERT_TRUE(form->speech->LlegirTecla("M"));
    EXPECT_EQ(library.Calls(), (Calls{"Stop()", "Read(eme )"}));
    desktop.Advance(100);
    EXPECT_TRUE(Idle()) << "without a status the reading ends at the first poll";

    form->speech->MenuLlegeixLoDeLaCarpetaSensePosarHiResClick();
    Click(form->ButtonLectura);
    Click(form->ButtonPausa);
    library.Clear();
    Click(form->ButtonLectura);
    EXPECT_TRUE(library.Calls().empty()) << "no resume to call";
    desktop.Advance(100);
    EXPECT_TRUE(Idle());
}

}  // namespace
