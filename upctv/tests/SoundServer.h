#pragma once

#include <filesystem>

#include "upctv/tests/ChildProcess.h"

// Where a private sound server listens: a runtime folder of its own and a client
// configuration that reaches only a server in that folder and never spawns one, so that
// neither the desktop's sound server nor one started behind the test's back is ever used.
// Nothing listens there until a SoundServer is started in it.
struct SoundPlace {
    std::filesystem::path folder;
    std::filesystem::path runtime;
    std::filesystem::path clientConfiguration;

    // Made inside `folder`.
    static SoundPlace MadeIn(const std::filesystem::path& folder);
    // The place this process was started in, by its Variables().
    static SoundPlace OfThisProcess();

    // What a sound client is given to find this place and nothing else.
    Environment Variables() const;
    std::filesystem::path Socket() const { return runtime / "pulse" / "native"; }
};

// PulseAudio serving a SoundPlace, with a null sink "nul" as its only sound card; stopped
// by its process id on destruction.
class SoundServer {
  public:
    // Returns once clients can connect; throws when the server does not come up.
    explicit SoundServer(const SoundPlace& place);
    ~SoundServer() { daemon_.Stop(); }
    SoundServer(const SoundServer&) = delete;
    SoundServer& operator=(const SoundServer&) = delete;

    pid_t Id() const { return daemon_.Id(); }

  private:
    bool Answers();

    SoundPlace place_;
    ChildProcess daemon_;
};
