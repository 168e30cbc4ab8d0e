#pragma once

#include <chrono>
#include <functional>
#include <future>
#include <memory>
#include <optional>
#include <string>
#include <string_view>
#include <thread>

#include "upctv/AudioSink.h"
#include "upctv/NaturalSynthesizer.h"
#include "upctv/SoundOutput.h"
#include "upctv/Transport.h"
#include "upctv/WavFolder.h"

namespace upctv {

class Synthesizer;
class SpeechSynthesizer;

// The library's speaking thread and what the entry points ask of it. Every method but
// CloseWithin returns at once; destruction stops the speech and joins the thread.
class Engine {
  public:
    // Opens the sound device whenever the engine has none that works; nothing when none
    // can be opened.
    using SinkFactory = SoundOutput::Opener;

    Engine(SinkFactory openSink, std::optional<WavFolder> wavFolder,
           NaturalVoicePlace naturalVoice = {});
    ~Engine();
    Engine(const Engine&) = delete;
    Engine& operator=(const Engine&) = delete;

    void Read(std::string_view text1252);
    Transport& Control() { return transport_; }
    // Stops the speech and waits at most `limit` for the thread to let go of the
    // synthesiser, the sound device and the recording; false when the thread is still held
    // up inside them, and then the engine must outlive it. Once it has let go, later calls
    // return true at once.
    bool CloseWithin(std::chrono::milliseconds limit);

  private:
    void Run();
    // The synthesiser for a voice: the natural one, started on first use, when it is wanted
    // and works; eSpeak NG otherwise.
    SpeechSynthesizer& SynthesizerFor(const VoiceChoice& voice, Synthesizer& espeak);
    void StartNaturalVoice();
    void Say(SpeechSynthesizer& synthesizer, SoundOutput& output, const Request& request);

    SinkFactory openSink_;
    std::optional<WavFolder> wavFolder_;
    NaturalVoicePlace naturalVoicePlace_;
    std::optional<NaturalSynthesizer> naturalVoice_;
    Transport transport_;
    std::promise<void> ended_;
    std::future<void> endedSignal_ = ended_.get_future();
    std::thread thread_;
};

}  // namespace upctv
