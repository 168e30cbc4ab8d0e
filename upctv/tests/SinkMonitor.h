#pragma once

#include <cstddef>
#include <filesystem>

#include "upctv/tests/ChildProcess.h"
#include "upctv/tests/SoundServer.h"

// What reaches the null sink "nul" of a SoundServer, recorded from its monitor into a file;
// the recorder is stopped by its process id on destruction.
class SinkMonitor {
  public:
    SinkMonitor(const SoundPlace& place, const std::filesystem::path& file);
    ~SinkMonitor() { recorder_.Stop(); }
    SinkMonitor(const SinkMonitor&) = delete;
    SinkMonitor& operator=(const SinkMonitor&) = delete;

    // The sink plays silence while idle, so the first bytes say that the recording runs.
    bool WaitUntilRecording();
    // Samples louder than a quiet room among everything recorded so far.
    std::size_t LoudSamples() const;
    // Waits until at least a tenth of a second of voice has been recorded since `before`
    // loud samples had been.
    bool WaitUntilHeard(std::size_t before);

  private:
    std::filesystem::path file_;
    ChildProcess recorder_;
};
