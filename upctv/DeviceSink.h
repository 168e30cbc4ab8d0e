#pragma once

#include <memory>

#include "upctv/AudioSink.h"

struct audio_object;

namespace upctv {

// The desktop's sound output through pcaudiolib (PulseAudio or ALSA). If the device
// fails while speaking, the rest goes silent instead of ending the speech early.
class DeviceSink : public AudioSink {
  public:
    // Nothing when no device can be opened.
    static std::unique_ptr<DeviceSink> Open(int sampleRate);
    ~DeviceSink() override;

    void Write(std::span<const std::int16_t> samples) override;
    void Discard() override;
    void Drain() override;

  private:
    explicit DeviceSink(audio_object* device) : device_(device) {}

    audio_object* device_;
    bool failed_ = false;
};

}  // namespace upctv
