#include "upctv/tests/SinkMonitor.h"

#include <cstdint>
#include <cstdlib>
#include <fstream>
#include <iterator>
#include <vector>

#include "upctv/tests/Waiting.h"

namespace {

// 16-bit mono at 16 kHz; a voice is well above this level.
constexpr int kRate = 16000;
constexpr int kLoudLevel = 1000;
constexpr std::size_t kLeastLoudSamples = kRate / 10;
constexpr std::chrono::seconds kRecordingLimit{10};
constexpr std::chrono::seconds kHearingLimit{30};

}  // namespace

SinkMonitor::SinkMonitor(const SoundPlace& place, const std::filesystem::path& file)
    : file_(file),
      recorder_({"parec", "-d", "nul.monitor", "--raw", "--format=s16le",
                 "--rate=" + std::to_string(kRate), "--channels=1"},
                place.Variables(), file, file.string() + ".log") {}

bool SinkMonitor::WaitUntilRecording() {
    return WaitUntil(
        [this] {
            std::error_code error;
            return std::filesystem::file_size(file_, error) > 0 && !error;
        },
        kRecordingLimit);
}

std::size_t SinkMonitor::LoudSamples() const {
    std::ifstream recording(file_, std::ios::binary);
    std::vector<char> bytes{std::istreambuf_iterator<char>(recording), {}};
    std::size_t loud = 0;
    for (std::size_t i = 0; i + 1 < bytes.size(); i += 2) {
        auto low = static_cast<unsigned char>(bytes[i]);
        auto high = static_cast<unsigned char>(bytes[i + 1]);
        if (std::abs(static_cast<std::int16_t>(low | (high << 8))) > kLoudLevel) ++loud;
    }
    return loud;
}

bool SinkMonitor::WaitUntilHeard(std::size_t before) {
    return WaitUntil([&] { return LoudSamples() >= before + kLeastLoudSamples; }, kHearingLimit);
}
