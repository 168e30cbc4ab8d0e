#include <gtest/gtest.h>

#include <memory>
#include <string>

#include "upctv/tests/LibraryHandle.h"
#include "upctv/tests/OwnProcess.h"
#include "upctv/tests/SinkMonitor.h"
#include "upctv/tests/SoundServer.h"
#include "upctv/tests/StderrCapture.h"

namespace {

// About a second of speech, in Windows-1252.
const std::string kShortText = "Bon dia, com est\xe0s?";
const std::string kUnheard = "upctv: no sound output can be opened; speech goes on unheard";
const std::string kFailed = "upctv: the sound output failed";

// Reads a text and waits until the sink's monitor has heard it and the library is silent.
void HearOnTheSink(LibraryHandle& library, const SoundPlace& place, const char* monitorFile) {
    SinkMonitor monitor(place, place.folder / monitorFile);
    ASSERT_TRUE(monitor.WaitUntilRecording()) << "parec recorded nothing";
    auto before = monitor.LoudSamples();
    library.read(kShortText.c_str());
    EXPECT_TRUE(monitor.WaitUntilHeard(before)) << "heard " << monitor.LoudSamples() - before;
    EXPECT_TRUE(library.WaitUntilSilent());
}

TEST(SoundDevice, WithoutAnyTheSpeechGoesOnUnheardAndStderrSaysSoOnce) {
    InOwnProcess("no sound server, no card", Sound::NoServer, [] {
        StderrCapture errors(SoundPlace::OfThisProcess().folder / "stderr.txt");
        LibraryHandle library;
        library.read(kShortText.c_str());
        EXPECT_TRUE(library.Speaking()) << "paced in real time, not thrown away";
        EXPECT_TRUE(library.WaitUntilSilent());
        EXPECT_FALSE(library.SpeakToEnd(kShortText).empty());
        EXPECT_EQ(errors.Count(kUnheard), 1u) << errors.Text();
    });
}

TEST(SoundDevice, ASoundServerStartedLaterIsHeardFromTheNextReading) {
    InOwnProcess("no sound server at first", Sound::NoServer, [] {
        SoundPlace place = SoundPlace::OfThisProcess();
        LibraryHandle library;
        ASSERT_FALSE(library.SpeakToEnd(kShortText).empty()) << "read before there is a server";
        SoundServer server(place);
        HearOnTheSink(library, place, "monitor.raw");
    });
}

TEST(SoundDevice, ASoundServerThatRestartsIsHeardAgainFromTheFirstReading) {
    InOwnProcess("sound server restarted", Sound::NoServer, [] {
        StderrCapture errors(SoundPlace::OfThisProcess().folder / "stderr.txt");
        SoundPlace place = SoundPlace::OfThisProcess();
        auto first = std::make_unique<SoundServer>(place);
        LibraryHandle library;
        ASSERT_NO_FATAL_FAILURE(HearOnTheSink(library, place, "first.raw"));
        first.reset();
        SoundServer second(place);
        HearOnTheSink(library, place, "second.raw");
        EXPECT_EQ(errors.Count(kFailed), 1u) << errors.Text();
    });
}

}  // namespace
