#pragma once

#include <string>

#include "platform/Modules.h"

namespace speech {

// The speech library "upctv.dll" and its ten entry points, and the natural voice's switch,
// which an older library lacks. A call whose entry point the
// library does not export, or any call while the library is not loaded, is skipped.
class UpcTV {
  public:
    static constexpr const char* kLibraryName = "upctv.dll";

    explicit UpcTV(platform::Modules& modules) : modules_(modules) {}
    ~UpcTV() = default;
    UpcTV(const UpcTV&) = delete;
    UpcTV& operator=(const UpcTV&) = delete;

    // Loads the library and binds its entry points; true when it loaded.
    bool Load();
    // Clears the entry points and frees the library.
    void Free();
    // A handle of 32 or more means loaded.
    bool Loaded() const { return handle_ >= 32; }

    void Read(const std::string& text1252);
    void Stop();
    void Pause();
    void Resume();
    void SetLanguage(int language);
    void SetSpeed(int speed);
    void SetSpeaker(int speaker);
    void SetNaturalVoice(bool on);
    // 0 while silent; also 0 when the library or the entry point is missing.
    int Status();

  private:
    using NoArgument = void (*)();
    using IntArgument = void (*)(int);
    using TextArgument = void (*)(const char*);
    using StatusQuery = int (*)(int);

    void Bind();
    template <typename F>
    F Entry(const char* name);

    platform::Modules& modules_;
    platform::HMODULE handle_ = 0;
    void* about_ = nullptr;
    void* readFile_ = nullptr;
    TextArgument read_ = nullptr;
    NoArgument stop_ = nullptr;
    NoArgument pause_ = nullptr;
    NoArgument resume_ = nullptr;
    IntArgument setLanguage_ = nullptr;
    IntArgument setSpeed_ = nullptr;
    IntArgument setSpeaker_ = nullptr;
    IntArgument setNaturalVoice_ = nullptr;
    StatusQuery status_ = nullptr;
};

}  // namespace speech
