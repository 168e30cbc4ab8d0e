#include "upctv/NaturalSynthesizer.h"

#include <dlfcn.h>

#include <cstdlib>

#include "upctv/Latin1.h"
#include "upctv/Pieces.h"
#include "upctv/festival/FestivalModule.h"

namespace upctv {
namespace {

constexpr const char* kVoiceFolderVariable = "UPCTV_FESTIVAL_VOICES";
// Festival takes about a tenth of a second for a sentence of this length on a slow machine.
constexpr std::size_t kLongestPiece = 300;

struct Session {
    const SpeechSynthesizer::Listener* listener;
    bool abandoned = false;
};

int OnSamples(const short* samples, int count, void* user) {
    auto* session = static_cast<Session*>(user);
    std::span<const std::int16_t> buffer(samples, static_cast<std::size_t>(count));
    session->abandoned = !(*session->listener)(buffer);
    return session->abandoned ? 0 : 1;
}

std::filesystem::path FolderOfThisLibrary() {
    Dl_info info{};
    if (!dladdr(reinterpret_cast<void*>(&FolderOfThisLibrary), &info) || !info.dli_fname) {
        return {};
    }
    return std::filesystem::path(info.dli_fname).parent_path();
}

}  // namespace

NaturalVoicePlace NaturalVoicePlace::NextToLibrary() {
    const char* voices = std::getenv(kVoiceFolderVariable);
    return {FolderOfThisLibrary() / festival::kModuleFile,
            voices ? voices : festival::kSystemVoiceFolder};
}

NaturalSynthesizer::NaturalSynthesizer(const NaturalVoicePlace& place,
                                       const std::function<void()>& loaded) {
    // Never unloaded: Festival cannot be started twice in one process.
    void* module = place.module.empty()
                       ? nullptr
                       : dlopen(place.module.c_str(), RTLD_NOW | RTLD_LOCAL | RTLD_NODELETE);
    if (!module) {
        problem_ = "Festival is not installed";
        return;
    }
    if (loaded) loaded();
    auto start = reinterpret_cast<int (*)(const char*)>(dlsym(module, festival::kStartSymbol));
    say_ = reinterpret_cast<Say>(dlsym(module, festival::kSaySymbol));
    if (start && say_) sampleRate_ = start(place.voiceFolder.c_str());
    if (!Ready()) {
        problem_ = "Festival cannot use the voice Ona under " + place.voiceFolder +
                   ", or serves another thread of this process";
    }
}

bool NaturalSynthesizer::Speak(const std::string& utf8, const VoiceChoice& voice,
                               const Listener& listener) {
    if (!Ready()) return false;
    const double speed =
        static_cast<double>(WordsPerMinute(voice.speed)) / WordsPerMinute(kNaturalSpeed);
    Session session{&listener};
    for (const auto& piece : SplitIntoPieces(Latin1FromUtf8(utf8), kLongestPiece)) {
        // A piece Festival cannot say is left out; the rest of the reading goes on.
        say_(piece.c_str(), speed, OnSamples, &session);
        if (session.abandoned) return false;
    }
    return true;
}

}  // namespace upctv
