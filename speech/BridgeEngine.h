#pragma once

#include <functional>
#include <memory>
#include <string>

#include "platform/Desktop.h"
#include "speech/SpeechEngine.h"
#include "speech/StartedBridges.h"
#include "speech/VoceliaLine.h"
#include "speech/VoceliaWindowLine.h"
#include "speech/protocol/VoceliaDesign.h"

namespace speech {

// The bridge program as an engine: a text goes through the suite settings file and a message,
// and its status is the file's "STATUS". The bridge has no pause or stop of its own: those go
// to the library as ever, which also ends a library reading begun before the bridge was chosen.
class BridgeEngine : public SpeechEngine {
  public:
    // The line to the bridge is chosen here, once, by what the session offers.
    BridgeEngine(platform::Desktop& desktop, StartedBridges& startedBridges, SpeechEngine& library);
    ~BridgeEngine() override;

    // The keyboard's own window, which a lookup by title passes over.
    void SetKeyboardWindow(std::function<platform::HWND()> keyboardWindow) {
        windowLine_.SetKeyboardWindow(std::move(keyboardWindow));
    }

    const char* Name() const override { return kMotorSapi51; }
    bool Available() const override { return true; }
    bool Busy() override;
    void Read(const std::string& spoken) override { EnviarAVocelia(spoken); }
    void Pause() override { library_.Pause(); }
    void Resume() override { library_.Resume(); }
    void Stop() override { library_.Stop(); }

    // Looks the bridge up afresh (its window into FinestraVocelia() on X11); false when it is
    // not running.
    bool BuscarVocelia() { return line_->Find(); }
    // Sends the bridge found last a message and waits, only so long, until it has handled it.
    void EnviarMissatge(unsigned message) { line_->Send(message); }
    // Brings the bridge found last to the foreground.
    void PortarAlDavant() { line_->BringToFront(); }
    // Starts the bridge, unless one this keyboard started is still coming up.
    void ArrencarVocelia();
    // Hands the bridge a text to read; a bridge that is not running is started instead and
    // the text is not read.
    void EnviarAVocelia(const std::string& text);
    // The bridge's window, as last looked up by its title.
    platform::HWND FinestraVocelia() const { return windowLine_.FinestraVocelia(); }

  private:
    StartedBridges& startedBridges_;
    SpeechEngine& library_;
    VoceliaWindowLine windowLine_;
    std::unique_ptr<VoceliaLine> socketLine_;
    VoceliaLine* line_;
};

}  // namespace speech
