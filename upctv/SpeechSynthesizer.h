#pragma once

#include <cstdint>
#include <functional>
#include <span>
#include <string>

#include "upctv/Voice.h"

namespace upctv {

// What the speaking thread asks of a synthesiser: samples for a text, handed over in
// buffers as they come.
class SpeechSynthesizer {
  public:
    // Receives each buffer; returning false abandons the rest of the text.
    using Listener = std::function<bool(std::span<const std::int16_t>)>;

    virtual ~SpeechSynthesizer() = default;

    virtual int SampleRate() const = 0;
    // Says a UTF-8 text with a voice; true when the whole text was synthesised.
    virtual bool Speak(const std::string& utf8, const VoiceChoice& voice,
                       const Listener& listener) = 0;
};

}  // namespace upctv
