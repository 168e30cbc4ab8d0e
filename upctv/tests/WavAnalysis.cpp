#include "upctv/tests/WavAnalysis.h"

#include <algorithm>
#include <array>
#include <cmath>
#include <cstring>
#include <fstream>

namespace {

constexpr std::size_t kHeaderBytes = 44;
constexpr double kFrameSeconds = 0.04;
constexpr double kLowestPitch = 60;
constexpr double kHighestPitch = 400;
// Frames quieter than this, or less periodic, are not voiced speech.
constexpr double kVoicedLoudness = 500;
constexpr double kVoicedCorrelation = 0.6;

std::uint32_t LittleEndian(const unsigned char* bytes, int count) {
    std::uint32_t value = 0;
    for (int i = count - 1; i >= 0; --i) value = (value << 8) | bytes[i];
    return value;
}

double Correlation(const std::int16_t* frame, std::size_t length, std::size_t lag) {
    double product = 0, first = 0, second = 0;
    for (std::size_t i = 0; i + lag < length; ++i) {
        product += double(frame[i]) * frame[i + lag];
        first += double(frame[i]) * frame[i];
        second += double(frame[i + lag]) * frame[i + lag];
    }
    return first > 0 && second > 0 ? product / std::sqrt(first * second) : 0;
}

double RootMeanSquare(const std::int16_t* frame, std::size_t length) {
    double sum = 0;
    for (std::size_t i = 0; i < length; ++i) sum += double(frame[i]) * frame[i];
    return std::sqrt(sum / length);
}

}  // namespace

Recording ReadRecording(const std::filesystem::path& file) {
    std::ifstream in(file, std::ios::binary);
    std::array<unsigned char, kHeaderBytes> header{};
    if (!in.read(reinterpret_cast<char*>(header.data()), header.size())) return {};
    bool pcmMono16 = std::memcmp(header.data(), "RIFF", 4) == 0 &&
                     std::memcmp(header.data() + 8, "WAVEfmt ", 8) == 0 &&
                     LittleEndian(&header[20], 2) == 1 && LittleEndian(&header[22], 2) == 1 &&
                     LittleEndian(&header[34], 2) == 16;
    if (!pcmMono16) return {};
    Recording recording;
    recording.sampleRate = static_cast<int>(LittleEndian(&header[24], 4));
    std::uint32_t dataBytes = LittleEndian(&header[40], 4);
    std::vector<unsigned char> data(dataBytes);
    if (!in.read(reinterpret_cast<char*>(data.data()), dataBytes)) return {};
    for (std::size_t i = 0; i + 1 < data.size(); i += 2) {
        recording.samples.push_back(static_cast<std::int16_t>(LittleEndian(&data[i], 2)));
    }
    return recording;
}

double MedianPitch(const Recording& recording) {
    auto frame = static_cast<std::size_t>(kFrameSeconds * recording.sampleRate);
    auto shortestLag = static_cast<std::size_t>(recording.sampleRate / kHighestPitch);
    auto longestLag = static_cast<std::size_t>(recording.sampleRate / kLowestPitch);
    std::vector<double> pitches;
    for (std::size_t start = 0; frame && start + frame <= recording.samples.size();
         start += frame) {
        const std::int16_t* samples = recording.samples.data() + start;
        if (RootMeanSquare(samples, frame) < kVoicedLoudness) continue;
        double best = 0;
        std::size_t bestLag = 0;
        for (std::size_t lag = shortestLag; lag <= longestLag; ++lag) {
            double correlation = Correlation(samples, frame, lag);
            if (correlation > best) {
                best = correlation;
                bestLag = lag;
            }
        }
        if (best >= kVoicedCorrelation) pitches.push_back(double(recording.sampleRate) / bestLag);
    }
    if (pitches.empty()) return 0;
    std::nth_element(pitches.begin(), pitches.begin() + pitches.size() / 2, pitches.end());
    return pitches[pitches.size() / 2];
}
