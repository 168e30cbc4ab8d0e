#pragma once

#include <cstdint>
#include <filesystem>
#include <vector>

// A 16-bit mono recording as the library writes it.
struct Recording {
    int sampleRate = 0;
    std::vector<std::int16_t> samples;

    double Seconds() const { return sampleRate ? double(samples.size()) / sampleRate : 0; }
};

// Empty when the file is missing or is not a 16-bit mono PCM WAV file.
Recording ReadRecording(const std::filesystem::path& file);

// The median fundamental frequency, in Hz, of the voiced stretches; 0 when there are none.
double MedianPitch(const Recording& recording);
