#pragma once

#include <string>

namespace speech {

// A speech engine as the reading commands see it: the library or the bridge program. The
// active one is chosen only where the engine changes; the rest of the program asks it.
class SpeechEngine {
  public:
    virtual ~SpeechEngine() = default;

    // The engine's name as the suite settings file stores the choice.
    virtual const char* Name() const = 0;
    // Whether a text can be handed to it at all.
    virtual bool Available() const = 0;
    // True while it speaks.
    virtual bool Busy() = 0;
    // Hands it a text in its speech form (Windows-1252).
    virtual void Read(const std::string& spoken) = 0;
    virtual void Pause() = 0;
    virtual void Resume() = 0;
    virtual void Stop() = 0;
};

}  // namespace speech
