#pragma once

#include <memory>

#include "upctv/AudioSink.h"

struct audio_object;

namespace upctv {

// The desktop's sound output through pcaudiolib (PulseAudio or ALSA). When the device
// fails it says why on the standard error and takes nothing more; the speech is not ended
// early for that.
class DeviceSink : public AudioSink {
  public:
    // Nothing when no device can be opened.
    static std::unique_ptr<DeviceSink> Open(int sampleRate);
    ~DeviceSink() override;

    void Write(std::span<const std::int16_t> samples) override;
    void Discard() override;
    void Drain() override;
    bool Failed() const override { return failed_; }

  private:
    explicit DeviceSink(audio_object* device) : device_(device) {}
    void Check(int error);

    audio_object* device_;
    bool failed_ = false;
};

}  // namespace upctv
