#pragma once

#include <functional>
#include <memory>

#include "upctv/AudioSink.h"

namespace upctv {

// The sound device that utterances play to, kept while it works. When there is none, one
// is opened before the next utterance; when it fails in the middle of an utterance (a
// sound server restarted while the library slept), it is replaced at once, once per
// utterance. So a sound server that starts later or comes back is used without reloading
// the library. Without a device the speech goes on unheard at its real pace, and the
// standard error says so, once until a device works again.
class SoundOutput : public AudioSink {
  public:
    // Nothing when no device can be opened.
    using Opener = std::function<std::unique_ptr<AudioSink>(int sampleRate)>;

    SoundOutput(Opener open, int sampleRate);

    // Makes ready for an utterance: opens a device when there is none.
    void Prepare();
    // The next utterance comes at this rate: a device open at another is closed first.
    void UseSampleRate(int sampleRate);

    void Write(std::span<const std::int16_t> samples) override;
    void Discard() override;
    void Drain() override;

  private:
    void Open();
    // False when the device has just failed, and is then forgotten.
    bool WriteToDevice(std::span<const std::int16_t> samples);
    void ForgetFailedDevice();

    Opener open_;
    int sampleRate_;
    std::unique_ptr<AudioSink> device_;
    bool mayReplace_ = false;
    bool unheardReported_ = false;
};

}  // namespace upctv
