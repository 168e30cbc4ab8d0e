#pragma once

#include <chrono>
#include <functional>
#include <string>

// The sound a child process starts with.
enum class Sound {
    // UPCTV_AUDIO=none: the library opens no sound device at all.
    Off,
    // No sound server reachable and none spawned, so the library falls back on ALSA, which
    // finds the machine's cards (none on a machine without /dev/snd). A SoundServer can be
    // started later in SoundPlace::OfThisProcess().
    NoServer,
    // A private sound server with a null sink, whose process id is in UPCTV_TEST_SOUND_SERVER.
    Server,
};

inline constexpr const char* kSoundServerVariable = "UPCTV_TEST_SOUND_SERVER";
inline constexpr std::chrono::seconds kOwnProcessLimit{60};

// Runs `body` in a process of its own: this test program started again for the current
// test alone, as the library, once loaded, stays in memory until its process ends. The
// child starts with `sound` and with UPCTV_WAV_DIR naming an empty folder; any failure
// inside it fails the test, and so does a child still running after `limit`, which is then
// killed. Inside the child, only the `body` whose `name` it was started for runs.
void InOwnProcess(const std::string& name, Sound sound, const std::function<void()>& body,
                  std::chrono::seconds limit = kOwnProcessLimit);
// The same with UPCTV_AUDIO=none, as most tests of what the library says need.
void InOwnProcess(const std::function<void()>& body);
