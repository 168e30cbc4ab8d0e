#include "upctv/Engine.h"

#include <atomic>
#include <cstdio>
#include <cstdlib>

#include "upctv/Player.h"
#include "upctv/Synthesizer.h"
#include "upctv/Utf8.h"

namespace upctv {
namespace {

// Enough for Festival to finish starting, or one piece of a reading, on a loaded machine.
constexpr std::chrono::seconds kFestivalExitWait{10};

// The engine whose thread uses Festival. Festival's own objects are destroyed when the process
// ends, before this library's, since its module was loaded later: the thread must be out of
// Festival by then, or the process crashes on its way out.
std::atomic<Engine*> festivalUser = nullptr;

void CloseFestivalUserAtExit() {
    if (Engine* engine = festivalUser.exchange(nullptr)) engine->CloseWithin(kFestivalExitWait);
}

// Handlers registered after a module has loaded run before its objects are destroyed.
void CloseAtExitBeforeFestival(Engine& engine) {
    festivalUser = &engine;
    std::atexit(CloseFestivalUserAtExit);
}

}  // namespace

Engine::Engine(SinkFactory openSink, std::optional<WavFolder> wavFolder,
               NaturalVoicePlace naturalVoice)
    : openSink_(std::move(openSink)),
      wavFolder_(std::move(wavFolder)),
      naturalVoicePlace_(std::move(naturalVoice)),
      thread_([this] {
          Run();
          ended_.set_value();
      }) {}

Engine::~Engine() {
    Engine* self = this;
    festivalUser.compare_exchange_strong(self, nullptr);
    transport_.Close();
    if (thread_.joinable()) thread_.join();
}

bool Engine::CloseWithin(std::chrono::milliseconds limit) {
    transport_.Close();
    if (!thread_.joinable()) return true;
    if (endedSignal_.wait_for(limit) != std::future_status::ready) return false;
    thread_.join();
    return true;
}

void Engine::Read(std::string_view text1252) { transport_.Submit(Utf8FromWindows1252(text1252)); }

void Engine::Run() {
    // The synthesiser and the sound device are opened here, so that loading the
    // library never waits for them, and before the first request, so that it need not.
    Synthesizer espeak;
    SoundOutput output(openSink_, espeak.SampleRate());
    output.Prepare();
    while (auto request = transport_.NextRequest()) {
        if (request->warmUp) {
            StartNaturalVoice();
            continue;
        }
        Say(SynthesizerFor(request->voice, espeak), output, *request);
        transport_.Finished(request->id);
    }
}

SpeechSynthesizer& Engine::SynthesizerFor(const VoiceChoice& voice, Synthesizer& espeak) {
    if (!WantsNaturalVoice(voice)) return espeak;
    StartNaturalVoice();
    if (naturalVoice_->Ready()) return *naturalVoice_;
    return espeak;
}

void Engine::StartNaturalVoice() {
    if (naturalVoice_) return;
    naturalVoice_.emplace(naturalVoicePlace_, [this] { CloseAtExitBeforeFestival(*this); });
    if (!naturalVoice_->Ready()) {
        std::fprintf(stderr, "upctv: the natural voice cannot be used (%s); eSpeak NG speaks\n",
                     naturalVoice_->Problem().c_str());
    }
}

void Engine::Say(SpeechSynthesizer& synthesizer, SoundOutput& output, const Request& request) {
    output.UseSampleRate(synthesizer.SampleRate());
    output.Prepare();
    auto recording = wavFolder_ ? wavFolder_->Create(synthesizer.SampleRate()) : nullptr;
    Player player(output, synthesizer.SampleRate(), transport_, request.id);
    auto onSamples = [&](std::span<const std::int16_t> samples) {
        if (recording) recording->Append(samples);
        return player.Play(samples);
    };
    if (synthesizer.Speak(request.text, request.voice, onSamples)) player.Finish();
}

}  // namespace upctv
