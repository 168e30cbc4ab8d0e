#include <QAction>
#include <QLineEdit>

#include "SpeakingFormFixture.h"

namespace {

using Commands = std::vector<std::string>;

// The scanning library's cue voice against the reading voice, on the recording library.
class CueVoice : public SpeakingForm {
  protected:
    // The voice calls and readings only, as the library heard them.
    Commands VoiceAndReads() {
        Commands kept;
        for (const std::string& command : library.Commands()) {
            for (const char* name : {"Read(", "SetSpeed(", "SetSpeaker("}) {
                if (command.rfind(name, 0) == 0) kept.push_back(command);
            }
        }
        return kept;
    }
    void SetReadingSpeed(int speed) {
        form->EditVelocitat->setText(QString::number(speed));
        library.Clear();
    }
    // Scanning switched on, which reads the first key, and off again; what the library heard.
    Commands FirstKeyRead() {
        library.SetStatus(0);
        library.Clear();
        form->MenuActivarLEscaneigAutomatic->trigger();
        const Commands heard = VoiceAndReads();
        form->MenuActivarLEscaneigAutomatic->trigger();
        library.SetStatus(0);
        return heard;
    }
};

TEST_F(CueVoice, TheHighlightedKeyIsReadInTheCueVoiceAndTheVoiceComesBackAfterIt) {
    struct Row {
        const char* rule;
        scan::CueVoice cue;
        bool female;
        int readingSpeed;
        Commands heard;
    };
    // Catalan speakers: 0 the male voice, 2 the female one.
    const Row rows[] = {
        {"off: as every reading", {0, false}, false, 100, {"Read(tecles especials )"}},
        {"half as fast again, then the reading speed",
         {150, false},
         false,
         100,
         {"SetSpeed(150)", "Read(tecles especials )", "SetSpeed(100)"}},
        {"a share of the speed the user set",
         {125, false},
         false,
         80,
         {"SetSpeed(100)", "Read(tecles especials )", "SetSpeed(80)"}},
        {"twice as fast is at most the fastest speed",
         {200, false},
         false,
         200,
         {"SetSpeed(255)", "Read(tecles especials )", "SetSpeed(200)"}},
        {"the other speaker of a male voice is the female one",
         {0, true},
         false,
         100,
         {"SetSpeaker(2)", "Read(tecles especials )", "SetSpeaker(0)"}},
        {"the other speaker of a female voice is the male one",
         {0, true},
         true,
         100,
         {"SetSpeaker(0)", "Read(tecles especials )", "SetSpeaker(2)"}},
        {"faster and the other speaker",
         {175, true},
         true,
         100,
         {"SetSpeed(175)", "SetSpeaker(0)", "Read(tecles especials )", "SetSpeed(100)",
          "SetSpeaker(2)"}},
    };
    form->MenuLlegirlateclaEnEscaneigAutomatic->trigger();
    for (const Row& row : rows) {
        if (row.female) {
            form->PopupDona->trigger();
        } else {
            form->PopupHome->trigger();
        }
        SetReadingSpeed(row.readingSpeed);
        form->scanning->SetSwitchRules({.cueVoice = row.cue});
        EXPECT_EQ(FirstKeyRead(), row.heard) << row.rule;
    }
}

TEST_F(CueVoice, EveryOtherReadingKeepsTheReadingVoice) {
    form->scanning->SetSwitchRules({.cueVoice = {200, true}});
    form->MenuLlegirElQueSEscriu->trigger();
    ASSERT_TRUE(form->MenuLlegirElQueSEscriu->isChecked());
    library.Clear();
    QTreeWidgetItem* key = nullptr;
    for (int i = 0; i < form->Tree->topLevelItemCount() && !key; ++i) {
        if (KeyTree::TextOf(form->Tree->topLevelItem(i)) == "Y") key = form->Tree->topLevelItem(i);
    }
    ASSERT_NE(key, nullptr);
    ClickRow(key);
    EXPECT_EQ(VoiceAndReads(), Commands{"Read(y )"}) << "a typed key is read as ever";
}

TEST_F(CueVoice, AKeyNotReadBecauseTheEngineIsSpeakingChangesNoVoice) {
    form->MenuLlegirlateclaEnEscaneigAutomatic->trigger();
    form->scanning->SetSwitchRules({.cueVoice = {150, true}});
    library.SetStatus(1);
    library.Clear();
    form->MenuActivarLEscaneigAutomatic->trigger();
    EXPECT_TRUE(VoiceAndReads().empty());
}

}  // namespace
