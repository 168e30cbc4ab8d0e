#pragma once

#include <chrono>
#include <filesystem>
#include <string>
#include <vector>

// The library as the keyboard binds it: loaded with dlopen by path, its eleven entry points
// looked up by name, unloaded on destruction. Its recordings are in the folder named by
// UPCTV_WAV_DIR, which InOwnProcess sets.
class LibraryHandle {
  public:
    LibraryHandle();
    ~LibraryHandle();
    LibraryHandle(const LibraryHandle&) = delete;
    LibraryHandle& operator=(const LibraryHandle&) = delete;

    bool Loaded() const { return handle_ != nullptr; }
    void* Symbol(const char* name) const;
    void Unload();

    const char* (*about)() = nullptr;
    void (*read)(const char*) = nullptr;
    int (*readFile)(const char*) = nullptr;
    void (*stop)() = nullptr;
    void (*pause)() = nullptr;
    void (*resume)() = nullptr;
    void (*setLanguage)(int) = nullptr;
    void (*setSpeed)(int) = nullptr;
    void (*setSpeaker)(int) = nullptr;
    void (*setNaturalVoice)(int) = nullptr;
    int (*status)(int) = nullptr;

    bool Speaking() const { return status(0) != 0; }
    // Polls the status; false when still speaking at the deadline.
    bool WaitUntilSilent(std::chrono::seconds deadline = std::chrono::seconds(30)) const;
    // Polls the WAV folder until it holds `count` recordings; false at the deadline.
    bool WaitForRecordings(std::size_t count,
                           std::chrono::seconds deadline = std::chrono::seconds(30)) const;
    // Speaks a text to its end; the path of its recording, empty when there is none.
    std::filesystem::path SpeakToEnd(const std::string& text1252);

    const std::filesystem::path& WavFolder() const { return wavFolder_; }
    // The WAV files in the folder, oldest first.
    std::vector<std::filesystem::path> Recordings() const;

  private:
    void* handle_ = nullptr;
    std::filesystem::path wavFolder_;
};
