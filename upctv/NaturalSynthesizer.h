#pragma once

#include <filesystem>
#include <functional>
#include <string>

#include "upctv/SpeechSynthesizer.h"

namespace upctv {

// Where the Festival module and the voices it looks in are.
struct NaturalVoicePlace {
    std::filesystem::path module;
    std::string voiceFolder;

    // The module beside the speech library; the voices where Debian puts them, unless
    // UPCTV_FESTIVAL_VOICES names another folder.
    static NaturalVoicePlace NextToLibrary();
};

// The natural Catalan voice: Festival with Ona, through the module loaded on first use.
// Festival renders a whole text before its first sample, so a reading is said one piece at a
// time. Made, used and destroyed on the speaking thread; Festival then serves that thread
// alone for the rest of the process.
class NaturalSynthesizer : public SpeechSynthesizer {
  public:
    // Loads the module and starts Festival, which takes a moment; `loaded` is called once the
    // module is in memory, before Festival starts.
    explicit NaturalSynthesizer(const NaturalVoicePlace& place,
                                const std::function<void()>& loaded = {});

    bool Ready() const { return sampleRate_ > 0; }
    // Why the voice cannot be used, once it is known not to be ready.
    const std::string& Problem() const { return problem_; }

    int SampleRate() const override { return sampleRate_; }
    bool Speak(const std::string& utf8, const VoiceChoice& voice,
               const Listener& listener) override;

  private:
    using Say = int (*)(const char*, double, int (*)(const short*, int, void*), void*);

    int sampleRate_ = 0;
    Say say_ = nullptr;
    std::string problem_;
};

}  // namespace upctv
