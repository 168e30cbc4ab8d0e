#include "upctv/DeviceSink.h"

#include <pcaudiolib/audio.h>

namespace upctv {
namespace {

constexpr const char* kApplicationName = "Orvalet";
constexpr const char* kStreamDescription = "Speech";
constexpr int kMonoChannels = 1;

}  // namespace

std::unique_ptr<DeviceSink> DeviceSink::Open(int sampleRate) {
    audio_object* device =
        create_audio_device_object(nullptr, kApplicationName, kStreamDescription);
    if (!device) return nullptr;
    if (audio_object_open(device, AUDIO_OBJECT_FORMAT_S16LE, sampleRate, kMonoChannels) != 0) {
        audio_object_destroy(device);
        return nullptr;
    }
    return std::unique_ptr<DeviceSink>(new DeviceSink(device));
}

DeviceSink::~DeviceSink() {
    audio_object_close(device_);
    audio_object_destroy(device_);
}

void DeviceSink::Write(std::span<const std::int16_t> samples) {
    if (failed_) return;
    failed_ = audio_object_write(device_, samples.data(), samples.size_bytes()) != 0;
}

void DeviceSink::Discard() {
    if (!failed_) audio_object_flush(device_);
}

void DeviceSink::Drain() {
    if (!failed_) audio_object_drain(device_);
}

}  // namespace upctv
