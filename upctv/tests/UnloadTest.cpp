#include <gtest/gtest.h>
#include <signal.h>

#include <chrono>
#include <cstdlib>
#include <string>
#include <thread>

#include "upctv/tests/LibraryHandle.h"
#include "upctv/tests/OwnProcess.h"
#include "upctv/tests/WavAnalysis.h"

namespace {

using std::chrono::milliseconds;

// About a second of speech, in Windows-1252.
const std::string kShortText = "Bon dia, com est\xe0s?";
// Several seconds of speech, long enough to be caught in the middle.
const std::string kLongText =
    "Aquesta \xe9s una frase prou llarga perqu\xe8 la lectura duri uns quants segons, "
    "i encara n'hi ha una altra al darrere per allargar-la una mica m\xe9s.";
// Loading, unloading and a reading to its end take a few seconds; a hang takes for ever.
constexpr std::chrono::seconds kUnloadingLimit{20};
// A little more than the two seconds a PulseAudio stream holds by default.
constexpr std::chrono::seconds kServerBuffer{3};

TEST(Unloading, AtAnyMomentInAnySoundSituationTwiceAndThenItSpeaksAgain) {
    struct Moment {
        const char* rule;
        void (*calls)(LibraryHandle&);
    };
    const Moment moments[] = {
        {"right after loading", [](LibraryHandle&) {}},
        {"right after a read",
         [](LibraryHandle& l) {
             l.setSpeed(100);
             l.read("bon dia");
         }},
        {"right after a stop",
         [](LibraryHandle& l) {
             l.read(kLongText.c_str());
             l.stop();
         }},
        {"while speaking",
         [](LibraryHandle& l) {
             l.read(kLongText.c_str());
             std::this_thread::sleep_for(milliseconds(300));
         }},
        {"while paused",
         [](LibraryHandle& l) {
             l.read(kLongText.c_str());
             std::this_thread::sleep_for(milliseconds(300));
             l.pause();
         }},
    };
    struct Situation {
        const char* name;
        Sound sound;
    };
    const Situation situations[] = {
        {"sound server", Sound::Server},
        {"ALSA without a sound server", Sound::NoServer},
        {"UPCTV_AUDIO=none", Sound::Off},
    };
    for (const Situation& situation : situations) {
        for (const Moment& moment : moments) {
            std::string row = std::string(moment.rule) + ", " + situation.name;
            InOwnProcess(
                row, situation.sound,
                [&] {
                    for (int time = 1; time <= 2; ++time) {
                        LibraryHandle library;
                        ASSERT_TRUE(library.Loaded());
                        moment.calls(library);
                        library.Unload();
                    }
                    LibraryHandle reloaded;
                    auto recording = ReadRecording(reloaded.SpeakToEnd(kShortText));
                    EXPECT_GT(recording.Seconds(), 0.5) << "the reloaded library speaks";
                },
                kUnloadingLimit);
        }
    }
}

TEST(Unloading, TheProcessEndsEvenWhenTheSoundServerHasStoppedAnswering) {
    InOwnProcess(
        "sound server stopped while speaking", Sound::Server,
        [] {
            pid_t server = std::stoi(std::getenv(kSoundServerVariable));
            LibraryHandle library;
            library.read(kLongText.c_str());
            std::this_thread::sleep_for(milliseconds(500));
            ASSERT_EQ(kill(server, SIGSTOP), 0);
            // Long enough for the stream's buffer to fill: the speaking thread is then held
            // inside the sound library until the server answers again.
            std::this_thread::sleep_for(kServerBuffer);
            library.Unload();
        },
        kUnloadingLimit);
}

}  // namespace
