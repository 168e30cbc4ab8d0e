#pragma once

#include <cstdint>
#include <functional>
#include <span>
#include <string>

#include "upctv/Voice.h"

namespace upctv {

// eSpeak NG in synchronous mode: the samples come back on the calling thread, in
// buffers, while synthesis goes on. eSpeak NG keeps one state per process, so there
// is one Synthesizer at a time and every call comes from the thread that made it.
class Synthesizer {
  public:
    // Receives each buffer; returning false abandons the rest of the text.
    using Listener = std::function<bool(std::span<const std::int16_t>)>;

    Synthesizer();
    ~Synthesizer();
    Synthesizer(const Synthesizer&) = delete;
    Synthesizer& operator=(const Synthesizer&) = delete;

    // False when eSpeak NG or its data cannot be found; nothing is spoken then.
    bool Ready() const { return sampleRate_ > 0; }
    int SampleRate() const { return sampleRate_; }

    // Says a UTF-8 text with a voice; true when the whole text was synthesised.
    bool Speak(const std::string& utf8, const VoiceChoice& voice, const Listener& listener);

  private:
    void Select(const VoiceChoice& voice);

    bool shutDownAtEnd_;
    int sampleRate_ = 0;
    std::string voiceName_;
};

}  // namespace upctv
