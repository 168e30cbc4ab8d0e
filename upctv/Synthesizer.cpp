#include "upctv/Synthesizer.h"

#include <espeak-ng/speak_lib.h>

namespace upctv {
namespace {

// Short buffers hand the first samples over sooner.
constexpr int kBufferMilliseconds = 20;
constexpr int kContinue = 0;
constexpr int kAbort = 1;

struct Session {
    const Synthesizer::Listener* listener;
    bool abandoned = false;
};

int OnSamples(short* samples, int count, espeak_EVENT* events) {
    auto* session = static_cast<Session*>(events->user_data);
    if (!session || session->abandoned) return kAbort;
    if (!samples || count <= 0) return kContinue;
    std::span<const std::int16_t> buffer(samples, static_cast<std::size_t>(count));
    session->abandoned = !(*session->listener)(buffer);
    return session->abandoned ? kAbort : kContinue;
}

// eSpeak NG 1.51 cannot be shut down twice in one process: the second
// espeak_Terminate waits forever for its own thread. Its data path is empty only
// until the first initialisation, so it tells whether this copy of eSpeak NG has
// served before, having stayed loaded while this library was unloaded.
bool FirstUseOfEspeak() {
    const char* dataPath = nullptr;
    espeak_Info(&dataPath);
    return !dataPath || !*dataPath;
}

}  // namespace

Synthesizer::Synthesizer() : shutDownAtEnd_(FirstUseOfEspeak()) {
    // A missing data folder must not end the keyboard's process.
    int rate = espeak_Initialize(AUDIO_OUTPUT_SYNCHRONOUS, kBufferMilliseconds, nullptr,
                                 espeakINITIALIZE_DONT_EXIT);
    if (rate <= 0) return;
    sampleRate_ = rate;
    espeak_SetSynthCallback(OnSamples);
}

Synthesizer::~Synthesizer() {
    if (Ready() && shutDownAtEnd_) espeak_Terminate();
}

bool Synthesizer::Speak(const std::string& utf8, const VoiceChoice& voice,
                        const Listener& listener) {
    if (!Ready()) return false;
    Select(voice);
    Session session{&listener};
    espeak_ERROR result = espeak_Synth(utf8.c_str(), utf8.size() + 1, 0, POS_CHARACTER, 0,
                                       espeakCHARS_UTF8, nullptr, &session);
    return result == EE_OK && !session.abandoned;
}

void Synthesizer::Select(const VoiceChoice& voice) {
    // Loading a voice reads its dictionary from disk; do it only when the voice changes.
    std::string name = VoiceName(voice.language, voice.speaker);
    if (name != voiceName_ && espeak_SetVoiceByName(name.c_str()) == EE_OK) voiceName_ = name;
    espeak_SetParameter(espeakRATE, WordsPerMinute(voice.speed), 0);
}

}  // namespace upctv
