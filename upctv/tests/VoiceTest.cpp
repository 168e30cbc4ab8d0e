#include <gtest/gtest.h>

#include <string>

#include "upctv/tests/LibraryHandle.h"
#include "upctv/tests/OwnProcess.h"
#include "upctv/tests/WavAnalysis.h"

namespace {

const std::string kText = "Bon dia a tothom";
// Between the synthesiser's male voices (about 100 Hz) and its female ones (about 190 Hz).
constexpr double kMaleFemaleBoundary = 160;

enum class Gender { Male, Female };

TEST(Voice, KeyboardVoiceChoicesGiveMaleAndFemaleVoices) {
    InOwnProcess([] {
        struct Row {
            const char* rule;
            int language;
            int speaker;
            Gender expected;
        };
        const Row rows[] = {
            {"Catalan, Home: speaker 0 is male", 99, 0, Gender::Male},
            {"Catalan, Dona: speaker 2 is female", 99, 2, Gender::Female},
            {"Castilian, Home: speaker 1 is male", 101, 1, Gender::Male},
            {"Castilian, Dona: speaker 0 is female", 101, 0, Gender::Female},
        };
        LibraryHandle library;
        for (const Row& row : rows) {
            SCOPED_TRACE(row.rule);
            library.setLanguage(row.language);
            library.setSpeaker(row.speaker);
            double pitch = MedianPitch(ReadRecording(library.SpeakToEnd(kText)));
            ASSERT_GT(pitch, 0);
            EXPECT_EQ(pitch < kMaleFemaleBoundary ? Gender::Male : Gender::Female, row.expected)
                << pitch << " Hz";
        }
    });
}

TEST(Voice, SpeedChangesTheLengthOfTheSpeech) {
    InOwnProcess([] {
        LibraryHandle library;
        auto natural = ReadRecording(library.SpeakToEnd(kText)).Seconds();
        library.setSpeed(200);
        auto fast = ReadRecording(library.SpeakToEnd(kText)).Seconds();
        library.setSpeed(50);
        auto slow = ReadRecording(library.SpeakToEnd(kText)).Seconds();
        EXPECT_LT(fast, natural);
        EXPECT_GT(slow, natural);
    });
}

TEST(Voice, LanguageChangesThePronunciation) {
    InOwnProcess([] {
        // "mil nou-cents setanta-set" against "mil novecientos setenta y siete".
        const std::string year = "1977";
        LibraryHandle library;
        auto catalan = ReadRecording(library.SpeakToEnd(year)).Seconds();
        library.setLanguage(101);
        library.setSpeaker(1);
        auto castilian = ReadRecording(library.SpeakToEnd(year)).Seconds();
        ASSERT_GT(catalan, 0);
        EXPECT_GT(castilian, catalan * 1.1);
    });
}

TEST(Voice, UnknownCodesKeepTheCurrentVoice) {
    InOwnProcess([] {
        LibraryHandle library;
        library.setLanguage(101);
        library.setSpeaker(0);
        library.setLanguage(42);
        library.setSpeaker(9);
        double pitch = MedianPitch(ReadRecording(library.SpeakToEnd(kText)));
        EXPECT_GT(pitch, kMaleFemaleBoundary)
            << "still the Castilian female voice, " << pitch << " Hz";
    });
}

}  // namespace
