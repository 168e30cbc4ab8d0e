#include <chrono>
#include <cstdint>
#include <filesystem>
#include <fstream>
#include <optional>
#include <string>

#include "upctv/Engine.h"
#include "upctv/upctv.h"

namespace {

constexpr const char* kAbout = "upctv 1.0 - eSpeak NG";
constexpr int kReadFileOk = 0;
constexpr int kReadFileFailed = -1;
// Hours of speech; anything larger is not a text meant to be read aloud.
constexpr std::uintmax_t kLargestFile = 16 * 1024 * 1024;
constexpr int kSilent = 0;
constexpr int kSpeaking = 1;
// Ample for closing a working sound device and finishing a recording.
constexpr std::chrono::seconds kExitWait{1};
constexpr int kOff = 0;

// Unloading must never wait for the speaking thread: it may be opening the sound device,
// and ALSA's configuration loader then needs the dynamic loader's lock, which dlclose holds
// while it runs a library's destructors; a sound server that stops answering can hold the
// thread for ever. So the library is linked to stay in memory once loaded (-z nodelete) and
// the engine is never destroyed: unloading returns at once, a reload finds the same engine,
// and its thread sleeps while there is nothing to say.
upctv::Engine& engine =
    *new upctv::Engine(upctv::OpenAudioSink, upctv::WavFolder::FromEnvironment(),
                       upctv::NaturalVoicePlace::NextToLibrary());

// At the end of the process no loader lock is held: the speech stops and the thread gets a
// moment to close the device and complete the recording, but the process never waits for
// a thread held up in a sound library.
struct EngineClosedAtExit {
    ~EngineClosedAtExit() { engine.CloseWithin(kExitWait); }
} engineClosedAtExit;

// A regular file of at most kLargestFile bytes; nothing for anything else, so that
// no exception ever crosses into the program that calls the library.
std::optional<std::string> ReadTextFile(const char* path) {
    std::error_code error;
    if (!path || !std::filesystem::is_regular_file(path, error)) return std::nullopt;
    auto size = std::filesystem::file_size(path, error);
    if (error || size > kLargestFile) return std::nullopt;
    std::ifstream file(path, std::ios::binary);
    std::string text(size, '\0');
    if (!file.read(text.data(), static_cast<std::streamsize>(size))) return std::nullopt;
    return text;
}

}  // namespace

const char* upcTVAbout(void) { return kAbout; }

void upcTVRead(const char* text1252) { engine.Read(text1252 ? text1252 : ""); }

int upcTVReadFile(const char* path) {
    auto text = ReadTextFile(path);
    if (!text) return kReadFileFailed;
    engine.Read(*text);
    return kReadFileOk;
}

void upcTVStop(void) { engine.Control().Stop(); }

void upcTVPause(void) { engine.Control().Pause(); }

void upcTVResume(void) { engine.Control().Resume(); }

void upcTVSetLanguage(int language) { engine.Control().SetLanguage(language); }

void upcTVSetSpeed(int speed) { engine.Control().SetSpeed(speed); }

void upcTVSetSpeaker(int speaker) { engine.Control().SetSpeaker(speaker); }

void upcTVSetNaturalVoice(int on) { engine.Control().SetNaturalVoice(on != kOff); }

int upcTVStatus(int) { return engine.Control().Busy() ? kSpeaking : kSilent; }
