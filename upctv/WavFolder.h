#pragma once

#include <cstdint>
#include <cstdio>
#include <filesystem>
#include <memory>
#include <optional>
#include <span>

namespace upctv {

// A 16-bit mono WAV file written as samples arrive; the header is completed when
// the recording is destroyed.
class WavRecording {
  public:
    WavRecording(std::FILE* file, int sampleRate);
    ~WavRecording();
    WavRecording(const WavRecording&) = delete;
    WavRecording& operator=(const WavRecording&) = delete;

    void Append(std::span<const std::int16_t> samples);

  private:
    void WriteHeader();

    std::FILE* file_;
    int sampleRate_;
    std::uint32_t dataBytes_ = 0;
};

// The folder named by UPCTV_WAV_DIR (made if missing), where each utterance is
// also kept as "upctv-NNNNNN.wav", numbered on from the highest number already there.
class WavFolder {
  public:
    // Nothing when the variable is unset or empty.
    static std::optional<WavFolder> FromEnvironment();
    explicit WavFolder(std::filesystem::path folder) : folder_(std::move(folder)) {}

    // A new file for the next utterance; nothing when the folder cannot be written.
    std::unique_ptr<WavRecording> Create(int sampleRate);

  private:
    unsigned HighestNumber() const;

    std::filesystem::path folder_;
    std::optional<unsigned> last_;
};

}  // namespace upctv
