#include "upctv/AudioSink.h"

#include <cstdlib>
#include <string_view>

#include "upctv/DeviceSink.h"

namespace upctv {
namespace {

constexpr const char* kAudioVariable = "UPCTV_AUDIO";
constexpr std::string_view kNoAudio = "none";

bool AudioSwitchedOff() {
    const char* value = std::getenv(kAudioVariable);
    return value && kNoAudio == value;
}

}  // namespace

std::unique_ptr<AudioSink> OpenAudioSink(int sampleRate) {
    if (AudioSwitchedOff()) return std::make_unique<SilentSink>();
    return DeviceSink::Open(sampleRate);
}

}  // namespace upctv
