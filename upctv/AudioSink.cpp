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
    if (!AudioSwitchedOff()) {
        if (auto device = DeviceSink::Open(sampleRate)) return device;
    }
    return std::make_unique<SilentSink>();
}

}  // namespace upctv
