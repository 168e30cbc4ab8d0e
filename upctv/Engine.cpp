#include "upctv/Engine.h"

#include "upctv/Player.h"
#include "upctv/Synthesizer.h"
#include "upctv/Utf8.h"

namespace upctv {

Engine::Engine(SinkFactory openSink, std::optional<WavFolder> wavFolder)
    : openSink_(std::move(openSink)), wavFolder_(std::move(wavFolder)), thread_([this] {
          Run();
          ended_.set_value();
      }) {}

Engine::~Engine() {
    transport_.Close();
    if (thread_.joinable()) thread_.join();
}

bool Engine::CloseWithin(std::chrono::milliseconds limit) {
    transport_.Close();
    if (endedSignal_.wait_for(limit) != std::future_status::ready) return false;
    thread_.join();
    return true;
}

void Engine::Read(std::string_view text1252) { transport_.Submit(Utf8FromWindows1252(text1252)); }

void Engine::Run() {
    // The synthesiser and the sound device are opened here, so that loading the
    // library never waits for them, and before the first request, so that it need not.
    Synthesizer synthesizer;
    SoundOutput output(openSink_, synthesizer.SampleRate());
    output.Prepare();
    while (auto request = transport_.NextRequest()) {
        output.Prepare();
        Say(synthesizer, output, *request);
        transport_.Finished(request->id);
    }
}

void Engine::Say(Synthesizer& synthesizer, AudioSink& sink, const Request& request) {
    auto recording = wavFolder_ ? wavFolder_->Create(synthesizer.SampleRate()) : nullptr;
    Player player(sink, synthesizer.SampleRate(), transport_, request.id);
    auto onSamples = [&](std::span<const std::int16_t> samples) {
        if (recording) recording->Append(samples);
        return player.Play(samples);
    };
    if (synthesizer.Speak(request.text, request.voice, onSamples)) player.Finish();
}

}  // namespace upctv
