#pragma once

#include <functional>
#include <string>

#include "platform/Desktop.h"
#include "speech/SpeechEngine.h"
#include "speech/StartedBridges.h"
#include "speech/protocol/VoceliaDesign.h"

namespace speech {

// The bridge program as an engine: a text goes through the suite settings file and a window
// message, and its status is the file's "STATUS". The bridge has no pause or stop of its own:
// those go to the library as ever, which also ends a library reading begun before the bridge
// was chosen.
class BridgeEngine : public SpeechEngine {
  public:
    BridgeEngine(platform::Desktop& desktop, StartedBridges& startedBridges, SpeechEngine& library)
        : desktop_(desktop), startedBridges_(startedBridges), library_(library) {}

    // The keyboard's own window, which the lookup passes over: its caption shows the
    // receiving window's title, which is the bridge's own once the bridge has been in front.
    void SetKeyboardWindow(std::function<platform::HWND()> keyboardWindow) {
        keyboardWindow_ = std::move(keyboardWindow);
    }

    const char* Name() const override { return kMotorSapi51; }
    bool Available() const override { return true; }
    bool Busy() override;
    void Read(const std::string& spoken) override { EnviarAVocelia(spoken); }
    void Pause() override { library_.Pause(); }
    void Resume() override { library_.Resume(); }
    void Stop() override { library_.Stop(); }

    // Looks the bridge's window up into FinestraVocelia(); false when there is none.
    bool BuscarVocelia();
    // Starts the bridge, unless one this keyboard started is still coming up.
    void ArrencarVocelia();
    // Hands the bridge a text to read; a bridge that is not running is started instead and
    // the text is not read.
    void EnviarAVocelia(const std::string& text);
    // The bridge's window, as last looked up.
    platform::HWND FinestraVocelia() const { return finestraVocelia_; }

  private:
    platform::Desktop& desktop_;
    StartedBridges& startedBridges_;
    SpeechEngine& library_;
    std::function<platform::HWND()> keyboardWindow_;
    platform::HWND finestraVocelia_ = 0;
};

}  // namespace speech
