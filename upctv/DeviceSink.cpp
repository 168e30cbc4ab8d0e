#include "upctv/DeviceSink.h"

#include <pcaudiolib/audio.h>

#include <cstdio>

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
    if (!failed_) Check(audio_object_write(device_, samples.data(), samples.size_bytes()));
}

void DeviceSink::Discard() {
    if (!failed_) Check(audio_object_flush(device_));
}

void DeviceSink::Drain() {
    if (!failed_) Check(audio_object_drain(device_));
}

void DeviceSink::Check(int error) {
    if (error == 0) return;
    failed_ = true;
    std::fprintf(stderr, "upctv: the sound output failed: %s\n",
                 audio_object_strerror(device_, error));
}

}  // namespace upctv
