#pragma once

#include "speech/SpeechEngine.h"
#include "speech/UpcTV.h"
#include "speech/protocol/VoceliaDesign.h"

namespace speech {

// The speech library as an engine: calls to a library that is not loaded are skipped.
class LibraryEngine : public SpeechEngine {
  public:
    explicit LibraryEngine(UpcTV& upctv) : upctv_(upctv) {}

    const char* Name() const override { return kMotorUPCTV; }
    bool Available() const override { return upctv_.Loaded(); }
    bool Busy() override { return upctv_.Status() != 0; }
    void Read(const std::string& spoken) override { upctv_.Read(spoken); }
    void Pause() override { upctv_.Pause(); }
    void Resume() override { upctv_.Resume(); }
    void Stop() override { upctv_.Stop(); }

  private:
    UpcTV& upctv_;
};

}  // namespace speech
