#include <fstream>
#include <iterator>
#include <string>

#include "upctv/Engine.h"
#include "upctv/upctv.h"

namespace {

constexpr const char* kAbout = "upctv 1.0 - eSpeak NG";
constexpr int kReadFileOk = 0;
constexpr int kReadFileFailed = -1;
constexpr int kSilent = 0;
constexpr int kSpeaking = 1;

// Lives from loading the library to unloading it; its destructor joins the speaking thread.
upctv::Engine engine(upctv::OpenAudioSink, upctv::WavFolder::FromEnvironment());

}  // namespace

const char* upcTVAbout(void) { return kAbout; }

void upcTVRead(const char* text1252) { engine.Read(text1252 ? text1252 : ""); }

int upcTVReadFile(const char* path) {
    if (!path) return kReadFileFailed;
    std::ifstream file(path, std::ios::binary);
    if (!file) return kReadFileFailed;
    std::string text(std::istreambuf_iterator<char>(file), {});
    if (file.bad()) return kReadFileFailed;
    engine.Read(text);
    return kReadFileOk;
}

void upcTVStop(void) { engine.Control().Stop(); }

void upcTVPause(void) { engine.Control().Pause(); }

void upcTVResume(void) { engine.Control().Resume(); }

void upcTVSetLanguage(int language) { engine.Control().SetLanguage(language); }

void upcTVSetSpeed(int speed) { engine.Control().SetSpeed(speed); }

void upcTVSetSpeaker(int speaker) { engine.Control().SetSpeaker(speaker); }

int upcTVStatus(int) { return engine.Control().Busy() ? kSpeaking : kSilent; }
