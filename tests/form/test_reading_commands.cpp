#include <QAction>
#include <QLineEdit>
#include <QSpinBox>
#include <QToolButton>
#include <random>

#include "test_speech_fixture.h"

namespace {

using platform::FakeKeyEvent;
using speechtest::SpeechForm;
using Calls = std::vector<std::string>;
using Keys = std::vector<FakeKeyEvent>;

constexpr uint8_t kCtrl = 17, kShift = 16, kEnd = 35, kHome = 36, kInsert = 45;
constexpr uint8_t kA = 0x41, kE = 0x45;

const char* const kNoSoundText =
    "No \xE9s possible obrir el dispositiu de sortida de so. O no hi ha tarja de so o hi ha una "
    "altre aplicaci\xF3 que la fa servir. Si \xE9s aix\xED pareu aquesta aplicaci\xF3 i "
    "torneu-ho a provar.";
const char* const kNoSoundCaption = "Projecte Brunvol 2001 - Orvalet";

// Control pressed, the key pressed and released, Control released.
Keys Ctrl(uint8_t vk) { return {{kCtrl, false}, {vk, false}, {vk, true}, {kCtrl, true}}; }
Keys Join(std::initializer_list<Keys> parts) {
    Keys joined;
    for (const Keys& part : parts) joined.insert(joined.end(), part.begin(), part.end());
    return joined;
}

class ReadingCommands : public SpeechForm {
  protected:
    void SetUp() override {
        Start();
        receptor = desktop.AddWindow("Document - Bloc de notes");
        form->tracking->FinestraReceptora = receptor;
        form->tracking->TimerCercaHandleFinestra.SetEnabled(true);
    }
    // The tick of the last press of a key during the last command, relative to `from`; -1
    // when the key was not pressed.
    int LastPressedAt(uint8_t vk, uint32_t from) const {
        int at = -1;
        for (const auto& stamp : desktop.stamps) {
            if (stamp.key == FakeKeyEvent{vk, false}) at = static_cast<int>(stamp.tick - from);
        }
        return at;
    }

    platform::HWND receptor = 0;
};

TEST_F(ReadingCommands, AKeyIsReadInItsSpokenForm) {
    struct Case {
        const char* rule;
        std::string key;
        const char* read;
    };
    const Case cases[] = {
        {"the key M is said eme", "M", "Read(eme )"},
        {"a syllable is lowered, with one space", "BA", "Read(ba )"},
        {"an accented capital reaches the engine unchanged", "\xC0", "Read(\xC0 )"},
    };
    for (const Case& c : cases) {
        library.Clear();
        const std::string key = c.key;
        ASSERT_TRUE(form->speech->LlegirTecla(key)) << c.rule;
        EXPECT_EQ(library.Commands().back(), c.read) << c.rule;
        EXPECT_EQ(key, c.key) << "the caller's text is left alone";
        EXPECT_TRUE(Reading()) << c.rule;
        form->speech->ButtonPararClick();
    }
}

TEST_F(ReadingCommands, AKeyReadingChecksTheStatusThenReads) {
    ASSERT_TRUE(form->speech->LlegirTecla("BA"));
    EXPECT_EQ(library.Calls(), (Calls{"Status(0)", "Stop()", "Read(ba )"}));
    EXPECT_TRUE(Reading());
    EXPECT_FALSE(form->programa.LecturaPausada);
}

TEST_F(ReadingCommands, ANewKeyStopsTheRunningReadingAndIsRead) {
    ASSERT_TRUE(form->speech->LlegirTecla("BA"));
    library.Clear();
    ASSERT_TRUE(form->speech->LlegirTecla("BE"));
    EXPECT_EQ(library.Commands(), (Calls{"Stop()", "Stop()", "Read(be )"}));
    EXPECT_TRUE(Reading());
}

TEST_F(ReadingCommands, AKeyIsNotReadWhileTheEngineIsBusyElsewhere) {
    library.SetStatus(1);
    EXPECT_FALSE(form->speech->LlegirTecla("BA"));
    EXPECT_EQ(library.Calls(), Calls{"Status(0)"});
    EXPECT_TRUE(form->ButtonParar->isHidden()) << "nothing else changes";
    EXPECT_FALSE(programa.LecturaEnCurs);
}

TEST_F(ReadingCommands, AKeyReadDuringAPauseClearsThePause) {
    form->speech->MenuLlegeixLoDeLaCarpetaSensePosarHiResClick();
    Click(form->ButtonLectura);
    Click(form->ButtonPausa);
    ASSERT_TRUE(form->speech->LlegirTecla("BA"));
    EXPECT_FALSE(form->programa.LecturaPausada);
    EXPECT_TRUE(Reading());
}

TEST_F(ReadingCommands, TheStatusPollEndsAReadingWhenTheEngineFallsSilent) {
    ASSERT_TRUE(form->speech->LlegirTecla("BA"));
    desktop.Advance(300);
    EXPECT_TRUE(Reading()) << "still speaking";
    library.Clear();
    library.SetStatus(0);
    desktop.Advance(100);
    EXPECT_TRUE(Idle());
    EXPECT_EQ(library.Calls(), (Calls{"Status(0)", "Stop()"}));
    library.Clear();
    desktop.Advance(1000);
    EXPECT_TRUE(library.Calls().empty()) << "the poll stops with the reading";
}

TEST_F(ReadingCommands, TheReadButtonSelectsCopiesAndReadsByMode) {
    struct Case {
        const char* rule;
        void (speech::Speech::*mode)();
        Keys keys;
        int copyAt;  // ms after the click; -1 when nothing is copied
        int homeAt;  // the Ctrl+Home after the copy; -1 when none
    };
    const Case cases[] = {
        {"standard keys: Ctrl+Home, Shift+Ctrl+End, copy, back home",
         &speech::Speech::MenuSeleccionaTotTeclesEstandarClick,
         Join({Ctrl(kHome),
               {{kShift, false}},
               Ctrl(kEnd),
               {{kShift, true}},
               Ctrl(kInsert),
               Ctrl(kHome)}),
         200, 500},
        {"Ctrl+A, copy, back home", &speech::Speech::MenuSeleccionaAmbCtrlAClick,
         Join({Ctrl(kA), Ctrl(kInsert), Ctrl(kHome)}), 200, 500},
        {"Ctrl+E, copy, back home", &speech::Speech::MenuSeleccionaAmbCtrlEClick,
         Join({Ctrl(kE), Ctrl(kInsert), Ctrl(kHome)}), 200, 500},
        {"the selection: only Ctrl+Insert, after 200 ms",
         &speech::Speech::MenuLlegeixLoSeleccionatClick, Ctrl(kInsert), 200, -1},
        {"the clipboard: no keys at all",
         &speech::Speech::MenuLlegeixLoDeLaCarpetaSensePosarHiResClick,
         {},
         -1,
         -1},
    };
    for (const Case& c : cases) {
        (form->speech.get()->*c.mode)();
        desktop.SetClipboard("Hola M\xD3N");
        desktop.ClearLog();
        desktop.stamps.clear();
        library.Clear();
        const uint32_t start = desktop.GetTickCount();
        Click(form->ButtonLectura);
        EXPECT_EQ(desktop.Keys(), c.keys) << c.rule;
        EXPECT_EQ(LastPressedAt(kInsert, start), c.copyAt) << c.rule;
        EXPECT_EQ(LastPressedAt(kHome, start), c.homeAt) << c.rule;
        for (const auto& stamp : desktop.stamps) {
            EXPECT_FALSE(stamp.trackingOn) << c.rule << ": tracking is off while keys go out";
        }
        EXPECT_EQ(library.Commands().back(), "Read(hola m\xD3n )") << c.rule;
        EXPECT_TRUE(Reading()) << c.rule;
        EXPECT_TRUE(form->tracking->TimerCercaHandleFinestra.Enabled()) << c.rule;
        ASSERT_FALSE(desktop.CallsNamed("BringWindowToTop").empty());
        EXPECT_EQ(desktop.CallsNamed("BringWindowToTop")[0].args[0], std::to_string(receptor));
        Click(form->ButtonParar);
    }
}

TEST_F(ReadingCommands, ClipboardTexts) {
    struct Case {
        const char* rule;
        std::optional<std::string> clipboard;
        std::string read;
    };
    const Case cases[] = {
        {"m. alone is said eme", "m.", "Read(eme )"},
        {"an empty clipboard sends one space", std::nullopt, "Read( )"},
        {"a long clipboard is read up to its 65500th character", std::string(70000, 'x'),
         "Read(" + std::string(65500, 'x') + " )"},
    };
    form->speech->MenuLlegeixLoDeLaCarpetaSensePosarHiResClick();
    for (const Case& c : cases) {
        desktop.SetClipboard(c.clipboard);
        library.Clear();
        Click(form->ButtonLectura);
        EXPECT_EQ(library.Commands().back(), c.read) << c.rule;
        Click(form->ButtonParar);
    }
}

TEST_F(ReadingCommands, PauseAndResumeWithoutCopying) {
    Click(form->ButtonLectura);
    library.Clear();
    Click(form->ButtonPausa);
    EXPECT_EQ(library.Commands(), Calls{"Pause()"});
    EXPECT_TRUE(form->programa.LecturaPausada);
    EXPECT_TRUE(programa.LecturaEnCurs);
    desktop.Advance(300);
    EXPECT_FALSE(form->ButtonLectura->isHidden()) << "a paused reading stays paused";

    library.Clear();
    desktop.ClearLog();
    Click(form->ButtonLectura);
    EXPECT_TRUE(desktop.Keys().empty()) << "resuming copies nothing";
    EXPECT_EQ(library.Commands(), Calls{"Resume()"});
    EXPECT_FALSE(form->programa.LecturaPausada);
    EXPECT_TRUE(Reading());
}

TEST_F(ReadingCommands, AResumedReadingStillEndsByItself) {
    Click(form->ButtonLectura);
    Click(form->ButtonPausa);
    library.SetStatus(0);  // the engine fell silent during the pause: the poll stops
    desktop.Advance(100);
    EXPECT_FALSE(form->speech->TimerStatusUpcTV.Enabled());
    Click(form->ButtonLectura);
    desktop.Advance(100);
    EXPECT_TRUE(Idle()) << "the toolbar does not stay in its reading look";
}

TEST_F(ReadingCommands, ASpeedChangeDuringAPauseKeepsTheResume) {
    Click(form->ButtonLectura);
    Click(form->ButtonPausa);
    form->EditVelocitat->setText("120");
    EXPECT_TRUE(Idle());
    EXPECT_TRUE(form->programa.LecturaPausada);
    library.Clear();
    desktop.ClearLog();
    Click(form->ButtonLectura);
    EXPECT_EQ(library.Commands(), Calls{"Resume()"});
    EXPECT_TRUE(desktop.Keys().empty());
}

TEST_F(ReadingCommands, ABusyEngineFailsTheStartWithAMessage) {
    library.SetStatus(1);
    Click(form->ButtonLectura);
    const auto boxes = desktop.CallsNamed("MessageBoxA");
    ASSERT_EQ(boxes.size(), 1u);
    EXPECT_EQ(boxes[0].args, (std::vector<std::string>{kNoSoundText, kNoSoundCaption, "48"}));
    EXPECT_TRUE(Idle());
    EXPECT_EQ(ReadHint(), "Llegir lo escrit");
    EXPECT_EQ(library.Commands(), Calls{}) << "nothing is read";
    EXPECT_EQ(desktop.Calls().back(),
              (platform::FakeCall{"BringWindowToTop", {std::to_string(receptor)}}));
    EXPECT_TRUE(form->tracking->TimerCercaHandleFinestra.Enabled());
}

TEST_F(ReadingCommands, ToolbarLayouts) {
    struct Layout {
        bool readShown;
        int readX;
        std::string readHint;
        bool stopShown;
        int stopX;
        bool pauseEnabled;
    };
    struct Case {
        const char* state;
        std::function<void()> enter;
        Layout layout;
    };
    const Case cases[] = {
        {"idle, as created", [] {}, {true, 60, "Llegir lo escrit", false, 0, false}},
        {"reading", [&] { Click(form->ButtonLectura); }, {false, 0, "", true, 60, true}},
        {"paused",
         [&] { Click(form->ButtonPausa); },
         {true, 60, "Continuar la lectura", false, 0, false}},
        {"reading again", [&] { Click(form->ButtonLectura); }, {false, 0, "", true, 60, true}},
        {"idle after stop",
         [&] { Click(form->ButtonParar); },
         {true, 60, "Llegir lo escrit", false, 0, false}},
        {"idle after a failed start",
         [&] {
             library.SetStatus(1);
             Click(form->ButtonLectura);
             library.SetStatus(0);
         },
         {true, 60, "Llegir lo escrit", false, 0, false}},
    };
    for (const Case& c : cases) {
        c.enter();
        const Layout& l = c.layout;
        EXPECT_EQ(!form->ButtonLectura->isHidden(), l.readShown) << c.state;
        if (l.readShown) {
            EXPECT_EQ(form->ButtonLectura->x(), l.readX) << c.state;
            EXPECT_EQ(ReadHint(), l.readHint) << c.state;
        }
        EXPECT_EQ(!form->ButtonParar->isHidden(), l.stopShown) << c.state;
        if (l.stopShown) {
            EXPECT_EQ(form->ButtonParar->x(), l.stopX) << c.state;
        }
        EXPECT_EQ(form->ButtonPausa->isEnabled(), l.pauseEnabled) << c.state;
        EXPECT_EQ(form->ButtonPausa->x(), 90) << c.state;
        EXPECT_EQ(form->EditVelocitat->x(), 120) << c.state;
        EXPECT_EQ(form->SpinEditTempsTimer->x(), 153) << c.state;
        EXPECT_EQ(form->ButtonShift->x(), 0) << c.state;
        EXPECT_EQ(form->ButtonBloqMajuscules->x(), 30) << c.state;
    }
}

TEST_F(ReadingCommands, ReadingOptionsExcludeEachOther) {
    form->MenuLlegirlateclaEnEscaneigAutomatic->setChecked(true);
    form->MenuLlegirElQueSEscriu->trigger();
    EXPECT_TRUE(form->MenuLlegirElQueSEscriu->isChecked());
    EXPECT_FALSE(form->MenuLlegirlateclaEnEscaneigAutomatic->isChecked());
    form->MenuLlegirElQueSEscriu->trigger();
    EXPECT_FALSE(form->MenuLlegirElQueSEscriu->isChecked()) << "a second click unticks it";
}

TEST_F(ReadingCommands, AModeClickLeavesExactlyThatModeChecked) {
    const std::vector<QAction*> modes = {
        form->MenuLlegeixLoDeLaCarpetaSensePosarHiRes, form->MenuLlegeixLoSeleccionat,
        form->MenuSeleccionaTotTeclesEstandar, form->MenuSeleccionaAmbCtrlA,
        form->MenuSeleccionaAmbCtrlE};
    for (QAction* clicked : modes) {
        for (bool checkedBefore : {false, true}) {
            for (QAction* mode : modes) mode->setChecked(true);
            clicked->setChecked(checkedBefore);
            clicked->trigger();
            for (QAction* mode : modes) {
                EXPECT_EQ(mode->isChecked(), mode == clicked)
                    << clicked->text().toStdString() << " / " << mode->text().toStdString();
            }
        }
    }
}

// Whatever the user and the engine do, and in whatever order, the toolbar shows exactly one of
// read and stop, pause is offered only during a reading, and a reading ends once the engine is
// silent.
TEST_F(ReadingCommands, CommandsInAnyOrderLeaveTheControlsConsistent) {
    std::vector<std::pair<const char*, std::function<void()>>> actions = {
        {"key", [&] { form->speech->LlegirTecla("BA"); }},
        {"read",
         [&] {
             if (!form->ButtonLectura->isHidden()) form->ButtonLectura->click();
         }},
        {"pause",
         [&] {
             if (form->ButtonPausa->isEnabled()) form->ButtonPausa->click();
         }},
        {"stop",
         [&] {
             if (!form->ButtonParar->isHidden()) form->ButtonParar->click();
         }},
        {"speed",
         [&] { form->EditVelocitat->setText(form->EditVelocitat->text() == "90" ? "110" : "90"); }},
        {"voice", [&] { form->PopupDona->trigger(); }},
        {"silence", [&] { library.SetStatus(0); }},
        {"busy", [&] { library.SetStatus(1); }},
        {"tick", [&] { desktop.Advance(100); }},
    };
    for (unsigned seed : {1u, 2u, 3u, 4u}) {
        std::mt19937 random(seed);
        std::string trail;
        for (int step = 0; step < 300; ++step) {
            const auto& [name, act] = actions[random() % actions.size()];
            trail += std::string(name) + " ";
            act();
            ASSERT_NE(form->ButtonLectura->isHidden(), form->ButtonParar->isHidden()) << trail;
            ASSERT_EQ(form->ButtonPausa->isEnabled(), !form->ButtonParar->isHidden()) << trail;
        }
        library.SetStatus(0);
        desktop.Advance(200);
        EXPECT_TRUE(form->ButtonParar->isHidden()) << "seed " << seed << ": " << trail;
        if (!form->programa.LecturaPausada) {
            EXPECT_TRUE(Idle()) << "seed " << seed << ": " << trail;
        }
        form->speech->ButtonPararClick();
        form->programa.LecturaPausada = false;
        desktop.Advance(200);
    }
}

}  // namespace
