#include <gtest/gtest.h>

#include <chrono>
#include <fstream>
#include <string>
#include <thread>

#include "upctv/tests/LibraryHandle.h"
#include "upctv/tests/OwnProcess.h"
#include "upctv/tests/WavAnalysis.h"

namespace {

using std::chrono::milliseconds;

// About a second of speech; a Catalan sentence in Windows-1252 ("està" has 0xE0).
const std::string kShortText = "Bon dia, com est\xe0s?";
// Several seconds of speech, long enough to be interrupted.
const std::string kLongText =
    "Aquesta \xe9s una frase prou llarga perqu\xe8 la lectura duri uns quants segons, "
    "i encara n'hi ha una altra al darrere per allargar-la una mica m\xe9s.";

constexpr milliseconds kWellPastShortText{2500};

TEST(Library, ExportsEveryEntryPointTheKeyboardLooksUp) {
    InOwnProcess([] {
        LibraryHandle library;
        ASSERT_TRUE(library.Loaded());
        for (const char* name : {"upcTVAbout", "upcTVRead", "upcTVReadFile", "upcTVStop",
                                 "upcTVPause", "upcTVResume", "upcTVSetLanguage", "upcTVSetSpeed",
                                 "upcTVSetSpeaker", "upcTVSetNaturalVoice", "upcTVStatus"}) {
            EXPECT_NE(library.Symbol(name), nullptr) << name;
        }
        EXPECT_EQ(
            library.Symbol("_ZN5upctv6Engine4ReadESt17basic_string_viewIcSt11char_traitsIcEE"),
            nullptr)
            << "internal symbols stay hidden";
        EXPECT_NE(std::string(library.about()).find("upctv"), std::string::npos);
    });
}

TEST(Library, StatusIsBusyFromTheReadUntilTheSpeechEnds) {
    InOwnProcess([] {
        LibraryHandle library;
        EXPECT_FALSE(library.Speaking()) << "silent before any reading";
        library.read(kShortText.c_str());
        EXPECT_TRUE(library.Speaking()) << "busy as soon as the read returns";
        ASSERT_TRUE(library.WaitUntilSilent());
        auto recordings = library.Recordings();
        ASSERT_EQ(recordings.size(), 1u);
        EXPECT_GT(ReadRecording(recordings[0]).Seconds(), 0.5);
    });
}

TEST(Library, PauseHoldsTheSpeechAndResumeFinishesIt) {
    InOwnProcess([] {
        LibraryHandle library;
        library.read(kShortText.c_str());
        library.pause();
        std::this_thread::sleep_for(kWellPastShortText);
        EXPECT_TRUE(library.Speaking()) << "paused speech still counts as speaking";
        library.resume();
        EXPECT_TRUE(library.WaitUntilSilent());
    });
}

TEST(Library, StopEndsTheSpeechAtOnce) {
    InOwnProcess([] {
        LibraryHandle library;
        library.read(kLongText.c_str());
        std::this_thread::sleep_for(milliseconds(300));
        library.stop();
        EXPECT_FALSE(library.Speaking());
        std::this_thread::sleep_for(milliseconds(200));
        EXPECT_FALSE(library.Speaking()) << "the stopped reading does not come back";
    });
}

TEST(Library, StopWhilePausedEndsTheSpeech) {
    InOwnProcess([] {
        LibraryHandle library;
        library.read(kLongText.c_str());
        library.pause();
        library.stop();
        EXPECT_FALSE(library.Speaking());
        library.resume();
        EXPECT_FALSE(library.Speaking()) << "resume after stop says nothing";
    });
}

TEST(Library, ReadDuringSpeechReplacesTheOldText) {
    InOwnProcess([] {
        LibraryHandle library;
        auto shortAlone = ReadRecording(library.SpeakToEnd(kShortText)).samples.size();
        auto longAlone = ReadRecording(library.SpeakToEnd(kLongText)).samples.size();
        ASSERT_GT(longAlone, shortAlone);

        library.read(kLongText.c_str());
        ASSERT_TRUE(library.WaitForRecordings(3)) << "the long text has begun";
        library.read(kShortText.c_str());
        ASSERT_TRUE(library.WaitUntilSilent());

        auto recordings = library.Recordings();
        ASSERT_EQ(recordings.size(), 4u);
        EXPECT_LT(ReadRecording(recordings[2]).samples.size(), longAlone) << "long text cut short";
        // The synthesiser varies a text's length by a few samples from one reading to the next.
        EXPECT_NEAR(double(ReadRecording(recordings[3]).samples.size()), double(shortAlone),
                    shortAlone * 0.01)
            << "new text said whole";
    });
}

TEST(Library, CallsInAnyOrderLeaveItSilent) {
    InOwnProcess([] {
        struct Row {
            const char* rule;
            void (*calls)(LibraryHandle&);
        };
        const Row rows[] = {
            {"pause with nothing to say", [](LibraryHandle& l) { l.pause(); }},
            {"resume with nothing paused", [](LibraryHandle& l) { l.resume(); }},
            {"stop with nothing to say", [](LibraryHandle& l) { l.stop(); }},
            {"pause then read: the new text is spoken",
             [](LibraryHandle& l) {
                 l.pause();
                 l.read("a");
             }},
            {"read while paused replaces the held text",
             [](LibraryHandle& l) {
                 l.read("Bon dia");
                 l.pause();
                 l.read("a");
             }},
            {"empty text says nothing", [](LibraryHandle& l) { l.read(""); }},
            {"no text at all says nothing", [](LibraryHandle& l) { l.read(nullptr); }},
            {"control bytes and every byte of the upper half, unassigned ones included",
             [](LibraryHandle& l) {
                 std::string unusual;
                 for (int byte = 1; byte < 0x20; ++byte) unusual += static_cast<char>(byte);
                 for (int byte = 0x80; byte < 0x100; ++byte) unusual += static_cast<char>(byte);
                 l.setSpeed(255);
                 l.read(unusual.c_str());
             }},
            {"codes out of range",
             [](LibraryHandle& l) {
                 l.setLanguage(-1);
                 l.setSpeaker(7);
                 l.setSpeed(0);
                 l.setSpeed(100000);
                 l.read("a");
             }},
        };
        LibraryHandle library;
        for (const Row& row : rows) {
            SCOPED_TRACE(row.rule);
            row.calls(library);
            EXPECT_TRUE(library.WaitUntilSilent());
        }
    });
}

TEST(Library, ReadsAWindows1252File) {
    InOwnProcess([] {
        LibraryHandle library;
        auto file = library.WavFolder() / "text.txt";
        std::ofstream(file, std::ios::binary) << "Bon dia, a tothom. Adi\xe0u.";
        EXPECT_EQ(library.readFile(file.c_str()), 0);
        EXPECT_TRUE(library.Speaking());
        EXPECT_TRUE(library.WaitUntilSilent());
    });
}

TEST(Library, ReadFileReportsAFileThatCannotBeRead) {
    InOwnProcess([] {
        LibraryHandle library;
        EXPECT_EQ(library.readFile("/nonexistent/text.txt"), -1);
        EXPECT_EQ(library.readFile(library.WavFolder().c_str()), -1) << "a folder";
        EXPECT_EQ(library.readFile(nullptr), -1);
        EXPECT_FALSE(library.Speaking());
    });
}

}  // namespace
