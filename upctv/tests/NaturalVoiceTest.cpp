#include <gtest/gtest.h>

#include <chrono>
#include <cstdlib>
#include <filesystem>
#include <string>
#include <thread>

#include "upctv/tests/LibraryHandle.h"
#include "upctv/tests/OwnProcess.h"
#include "upctv/tests/StderrCapture.h"
#include "upctv/tests/Waiting.h"
#include "upctv/tests/WavAnalysis.h"

namespace {

using std::chrono::milliseconds;
using std::chrono::seconds;

constexpr int kCatalan = 99;
constexpr int kCastilian = 101;
constexpr int kCatalanMale = 0;
constexpr int kCatalanFemale = 2;
constexpr int kFestivalRate = 16000;
constexpr int kEspeakRate = 22050;
constexpr int kOn = 1;
constexpr int kOff = 0;
constexpr const char* kFallbackWords = "the natural voice cannot be used";

const std::string kShortText = "Bon dia, com est\xe0s?";
const std::string kLongText =
    "Aquesta \xe9s una frase prou llarga perqu\xe8 la lectura duri uns quants segons, "
    "i encara n'hi ha una altra al darrere per allargar-la una mica m\xe9s.";

bool FestivalModuleBuilt() {
    return std::filesystem::exists(std::filesystem::path(UPCTV_LIBRARY_PATH).parent_path() /
                                   "libupctv_festival.so");
}

// The library with the natural voice on and the Catalan female speaker chosen.
void WithNaturalVoice(LibraryHandle& library) {
    library.setLanguage(kCatalan);
    library.setSpeaker(kCatalanFemale);
    library.setNaturalVoice(kOn);
}

#define SKIP_WITHOUT_FESTIVAL()                              \
    if (!FestivalModuleBuilt())                              \
    GTEST_SKIP() << "Festival (festival-dev) was not found " \
                    "when the library was built"

TEST(NaturalVoice, OnlyTheCatalanFemaleVoiceWithTheOptionOnIsFestivals) {
    SKIP_WITHOUT_FESTIVAL();
    InOwnProcess([] {
        struct Row {
            const char* rule;
            int language;
            int speaker;
            int natural;
            int expectedRate;
        };
        const Row rows[] = {
            {"option off: eSpeak NG", kCatalan, kCatalanFemale, kOff, kEspeakRate},
            {"Catalan female with the option: Ona", kCatalan, kCatalanFemale, kOn, kFestivalRate},
            {"Catalan male stays eSpeak NG", kCatalan, kCatalanMale, kOn, kEspeakRate},
            {"Castilian stays eSpeak NG", kCastilian, 0, kOn, kEspeakRate},
            {"turned off again: eSpeak NG", kCatalan, kCatalanFemale, kOff, kEspeakRate},
        };
        LibraryHandle library;
        for (const Row& row : rows) {
            SCOPED_TRACE(row.rule);
            library.setLanguage(row.language);
            library.setSpeaker(row.speaker);
            library.setNaturalVoice(row.natural);
            auto recording = ReadRecording(library.SpeakToEnd(kShortText));
            EXPECT_EQ(recording.sampleRate, row.expectedRate);
            EXPECT_GT(recording.Seconds(), 0.5);
        }
    });
}

TEST(NaturalVoice, StopPauseAndResumeHoldAsWithEspeak) {
    SKIP_WITHOUT_FESTIVAL();
    InOwnProcess([] {
        LibraryHandle library;
        WithNaturalVoice(library);

        library.read(kShortText.c_str());
        library.pause();
        std::this_thread::sleep_for(milliseconds(2500));
        EXPECT_TRUE(library.Speaking()) << "paused speech still counts as speaking";
        library.resume();
        EXPECT_TRUE(library.WaitUntilSilent());

        library.read(kLongText.c_str());
        std::this_thread::sleep_for(milliseconds(500));
        library.stop();
        EXPECT_FALSE(library.Speaking());
        std::this_thread::sleep_for(milliseconds(200));
        EXPECT_FALSE(library.Speaking()) << "the stopped reading does not come back";
        ASSERT_TRUE(library.WaitForRecordings(2));
        auto whole = ReadRecording(library.SpeakToEnd(kLongText));
        library.Unload();
        auto stopped = ReadRecording(library.Recordings()[1]);
        EXPECT_EQ(stopped.sampleRate, kFestivalRate);
        EXPECT_LT(stopped.Seconds(), whole.Seconds() / 2) << "the stop cut the reading short";
    });
}

TEST(NaturalVoice, UnloadingStraightAfterAReadEndsTheProcessCleanly) {
    SKIP_WITHOUT_FESTIVAL();
    // Both while Festival is still starting and once it speaks: the child process must end
    // without a crash, which InOwnProcess checks.
    InOwnProcess([] {
        LibraryHandle library;
        WithNaturalVoice(library);
        library.read(kLongText.c_str());
        library.Unload();
    });
    InOwnProcess([] {
        LibraryHandle library;
        WithNaturalVoice(library);
        ASSERT_FALSE(library.SpeakToEnd(kShortText).empty());
        library.read(kLongText.c_str());
        std::this_thread::sleep_for(milliseconds(300));
        library.Unload();
    });
}

TEST(NaturalVoice, WithoutTheVoiceEspeakSpeaksAndTheErrorSaysSoOnce) {
    InOwnProcess([] {
        auto empty = std::filesystem::path(std::getenv("UPCTV_WAV_DIR")) / "no-voices";
        std::filesystem::create_directories(empty);
        setenv("UPCTV_FESTIVAL_VOICES", empty.c_str(), 1);
        StderrCapture errors(empty.parent_path() / "stderr.txt");
        LibraryHandle library;
        WithNaturalVoice(library);
        for (int i = 0; i < 3; ++i) {
            auto recording = ReadRecording(library.SpeakToEnd(kShortText));
            EXPECT_EQ(recording.sampleRate, kEspeakRate);
            EXPECT_GT(recording.Seconds(), 0.5);
        }
        EXPECT_EQ(errors.Count(kFallbackWords), 1u) << errors.Text();
    });
}

TEST(NaturalVoice, TextFestivalCannotSayNeverHoldsTheLibraryUp) {
    SKIP_WITHOUT_FESTIVAL();
    InOwnProcess([] {
        struct Row {
            const char* rule;
            std::string text;
        };
        const Row rows[] = {
            {"a lone sign", "@"},
            {"signs only", "#%&/()=?*"},
            {"bytes Windows-1252 leaves unassigned", "\x81\x8d\x8f\x90\x9d"},
            {"control characters", "\x01\x02\x1b\x7f"},
            {"Windows-1252 signs", "\x80 \x93hola\x94 \x85 \x96"},
            {"a line of 3,000 letters without a blank", std::string(3000, 'a')},
        };
        LibraryHandle library;
        WithNaturalVoice(library);
        for (const Row& row : rows) {
            SCOPED_TRACE(row.rule);
            library.read(row.text.c_str());
            library.setSpeed(255);
            EXPECT_TRUE(WaitUntil([&] { return !library.Speaking(); }, seconds(120)));
            library.setSpeed(100);
        }
        EXPECT_GT(ReadRecording(library.SpeakToEnd(kShortText)).Seconds(), 0.5)
            << "the voice still speaks afterwards";
    });
}

TEST(NaturalVoice, AVeryLongReadingIsHeardBeforeItsWholeSynthesis) {
    SKIP_WITHOUT_FESTIVAL();
    InOwnProcess([] {
        std::string reading;
        while (reading.size() < 20000) reading += kLongText + " ";
        LibraryHandle library;
        WithNaturalVoice(library);
        library.read(reading.c_str());
        // The whole text is about twenty minutes of speech, which Festival takes most of a
        // minute to render: a second of it written means it is being said piece by piece.
        constexpr std::uintmax_t kOneSecondOfSamples = 44 + 2 * kFestivalRate;
        EXPECT_TRUE(WaitUntil(
            [&] {
                auto files = library.Recordings();
                std::error_code error;
                return !files.empty() &&
                       std::filesystem::file_size(files.back(), error) > kOneSecondOfSamples;
            },
            seconds(20)));
        EXPECT_TRUE(library.Speaking());
        library.stop();
        ASSERT_TRUE(library.WaitForRecordings(1));
        library.Unload();
        EXPECT_EQ(ReadRecording(library.Recordings()[0]).sampleRate, kFestivalRate)
            << "said by the natural voice";
        EXPECT_FALSE(library.Speaking());
    });
}

}  // namespace
