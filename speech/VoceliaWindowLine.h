#pragma once

#include <functional>

#include "platform/Windows.h"
#include "speech/VoceliaLine.h"

namespace speech {

// The bridge as the suite's programs know it: a top-level window found by its title, sent
// window messages.
class VoceliaWindowLine : public VoceliaLine {
  public:
    explicit VoceliaWindowLine(platform::Windows& windows) : windows_(windows) {}

    // The keyboard's own window, which the lookup passes over: its caption shows the
    // receiving window's title, which is the bridge's own once the bridge has been in front.
    void SetKeyboardWindow(std::function<platform::HWND()> keyboardWindow) {
        keyboardWindow_ = std::move(keyboardWindow);
    }

    bool Find() override;
    void Send(unsigned message) override;
    void BringToFront() override;

    // The bridge's window, as last looked up.
    platform::HWND FinestraVocelia() const { return finestraVocelia_; }

  private:
    platform::Windows& windows_;
    std::function<platform::HWND()> keyboardWindow_;
    platform::HWND finestraVocelia_ = 0;
};

}  // namespace speech
