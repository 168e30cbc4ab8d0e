#pragma once

#include <string>

#include "upctv/SpeechSynthesizer.h"

namespace upctv {

// eSpeak NG in synchronous mode: the samples come back on the calling thread, in
// buffers, while synthesis goes on. eSpeak NG keeps one state per process, so there
// is one Synthesizer at a time and every call comes from the thread that made it.
class Synthesizer : public SpeechSynthesizer {
  public:
    Synthesizer();
    ~Synthesizer() override;
    Synthesizer(const Synthesizer&) = delete;
    Synthesizer& operator=(const Synthesizer&) = delete;

    // False when eSpeak NG or its data cannot be found; nothing is spoken then.
    bool Ready() const { return sampleRate_ > 0; }
    int SampleRate() const override { return sampleRate_; }
    bool Speak(const std::string& utf8, const VoiceChoice& voice,
               const Listener& listener) override;

  private:
    void Select(const VoiceChoice& voice);

    bool shutDownAtEnd_;
    int sampleRate_ = 0;
    std::string voiceName_;
};

}  // namespace upctv
