#include "upctv/WavFolder.h"

#include <algorithm>
#include <cerrno>
#include <cstdlib>
#include <iomanip>
#include <sstream>
#include <string>

namespace upctv {
namespace {

constexpr const char* kFolderVariable = "UPCTV_WAV_DIR";
constexpr std::string_view kPrefix = "upctv-";
constexpr std::string_view kExtension = ".wav";
constexpr int kMaxAttempts = 1000;

constexpr std::uint16_t kPcmFormat = 1;
constexpr std::uint16_t kMonoChannels = 1;
constexpr std::uint16_t kBitsPerSample = 16;
constexpr std::uint16_t kBytesPerSample = kBitsPerSample / 8;
constexpr std::uint32_t kFormatChunkBytes = 16;
constexpr std::uint32_t kHeaderBytesAfterRiffSize = 36;

void PutLittleEndian(std::FILE* file, std::uint32_t value, int bytes) {
    for (int i = 0; i < bytes; ++i) std::fputc(static_cast<int>((value >> (8 * i)) & 0xFF), file);
}

std::optional<unsigned> NumberOf(const std::filesystem::path& file) {
    std::string name = file.filename().string();
    if (!name.starts_with(kPrefix) || !name.ends_with(kExtension)) return std::nullopt;
    std::string digits =
        name.substr(kPrefix.size(), name.size() - kPrefix.size() - kExtension.size());
    if (digits.empty() || digits.find_first_not_of("0123456789") != std::string::npos) {
        return std::nullopt;
    }
    return static_cast<unsigned>(std::strtoul(digits.c_str(), nullptr, 10));
}

std::string FileName(unsigned number) {
    std::ostringstream name;
    name << kPrefix << std::setw(6) << std::setfill('0') << number << kExtension;
    return name.str();
}

}  // namespace

WavRecording::WavRecording(std::FILE* file, int sampleRate) : file_(file), sampleRate_(sampleRate) {
    WriteHeader();
}

WavRecording::~WavRecording() {
    std::rewind(file_);
    WriteHeader();
    std::fclose(file_);
}

void WavRecording::Append(std::span<const std::int16_t> samples) {
    for (std::int16_t sample : samples) {
        PutLittleEndian(file_, static_cast<std::uint16_t>(sample), kBytesPerSample);
    }
    dataBytes_ += static_cast<std::uint32_t>(samples.size_bytes());
}

void WavRecording::WriteHeader() {
    auto rate = static_cast<std::uint32_t>(sampleRate_);
    std::fputs("RIFF", file_);
    PutLittleEndian(file_, kHeaderBytesAfterRiffSize + dataBytes_, 4);
    std::fputs("WAVEfmt ", file_);
    PutLittleEndian(file_, kFormatChunkBytes, 4);
    PutLittleEndian(file_, kPcmFormat, 2);
    PutLittleEndian(file_, kMonoChannels, 2);
    PutLittleEndian(file_, rate, 4);
    PutLittleEndian(file_, rate * kMonoChannels * kBytesPerSample, 4);
    PutLittleEndian(file_, kMonoChannels * kBytesPerSample, 2);
    PutLittleEndian(file_, kBitsPerSample, 2);
    std::fputs("data", file_);
    PutLittleEndian(file_, dataBytes_, 4);
}

std::optional<WavFolder> WavFolder::FromEnvironment() {
    const char* folder = std::getenv(kFolderVariable);
    if (!folder || !*folder) return std::nullopt;
    return WavFolder(folder);
}

std::unique_ptr<WavRecording> WavFolder::Create(int sampleRate) {
    if (!last_) {
        std::error_code error;
        std::filesystem::create_directories(folder_, error);
        last_ = HighestNumber();
    }
    for (int attempt = 0; attempt < kMaxAttempts; ++attempt) {
        ++*last_;
        auto path = folder_ / FileName(*last_);
        // "x" refuses a file that another process has just taken.
        if (std::FILE* file = std::fopen(path.c_str(), "wbx")) {
            return std::make_unique<WavRecording>(file, sampleRate);
        }
        if (errno != EEXIST) return nullptr;
    }
    return nullptr;
}

unsigned WavFolder::HighestNumber() const {
    unsigned highest = 0;
    std::error_code error;
    for (const auto& entry : std::filesystem::directory_iterator(folder_, error)) {
        if (auto number = NumberOf(entry.path())) highest = std::max(highest, *number);
    }
    return highest;
}

}  // namespace upctv
