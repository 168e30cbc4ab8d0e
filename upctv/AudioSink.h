#pragma once

#include <cstdint>
#include <memory>
#include <span>

namespace upctv {

// Where the samples go: 16-bit mono at the synthesiser's rate. The player paces the
// writes in real time, so a sink never needs to block for long.
class AudioSink {
  public:
    virtual ~AudioSink() = default;
    // Hands samples to the output.
    virtual void Write(std::span<const std::int16_t> samples) = 0;
    // Throws away what has been handed over but not yet heard.
    virtual void Discard() = 0;
    // Waits until what has been handed over has been heard.
    virtual void Drain() = 0;
    // True once the output has stopped working: nothing handed over since is heard.
    virtual bool Failed() const { return false; }
};

// Hears nothing; the player's pacing alone makes it behave like a sound card.
class SilentSink : public AudioSink {
  public:
    void Write(std::span<const std::int16_t>) override {}
    void Discard() override {}
    void Drain() override {}
};

// The sound server or card, or a silent sink when the environment variable UPCTV_AUDIO is
// "none"; nothing when no device can be opened.
std::unique_ptr<AudioSink> OpenAudioSink(int sampleRate);

}  // namespace upctv
