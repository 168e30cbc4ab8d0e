#include "upctv/SoundOutput.h"

#include <cstdio>

namespace upctv {
namespace {

constexpr const char* kUnheard = "upctv: no sound output can be opened; speech goes on unheard\n";

}  // namespace

SoundOutput::SoundOutput(Opener open, int sampleRate)
    : open_(std::move(open)), sampleRate_(sampleRate) {}

void SoundOutput::Prepare() {
    mayReplace_ = true;
    if (!device_) Open();
}

void SoundOutput::UseSampleRate(int sampleRate) {
    if (sampleRate == sampleRate_) return;
    sampleRate_ = sampleRate;
    device_.reset();
}

void SoundOutput::Write(std::span<const std::int16_t> samples) {
    if (!device_ || WriteToDevice(samples) || !mayReplace_) return;
    // Replaced at once, so that the utterance is still heard.
    mayReplace_ = false;
    Open();
    if (device_) WriteToDevice(samples);
}

void SoundOutput::Discard() {
    if (device_) device_->Discard();
    ForgetFailedDevice();
}

void SoundOutput::Drain() {
    if (device_) device_->Drain();
    ForgetFailedDevice();
}

void SoundOutput::Open() {
    device_ = open_(sampleRate_);
    if (!device_ && !unheardReported_) std::fputs(kUnheard, stderr);
    unheardReported_ = !device_;
}

bool SoundOutput::WriteToDevice(std::span<const std::int16_t> samples) {
    device_->Write(samples);
    ForgetFailedDevice();
    return device_ != nullptr;
}

void SoundOutput::ForgetFailedDevice() {
    if (device_ && device_->Failed()) device_.reset();
}

}  // namespace upctv
