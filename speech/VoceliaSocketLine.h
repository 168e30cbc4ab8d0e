#pragma once

#include <QString>

#include "speech/VoceliaLine.h"
#include "speech/protocol/VoceliaSocketClient.h"

namespace speech {

// The bridge through its socket in the user's runtime folder, where the session has no X11
// window messages.
class VoceliaSocketLine : public VoceliaLine {
  public:
    explicit VoceliaSocketLine(const QString& path) : client_(path) {}

    bool Find() override { return client_.Connect(); }
    void Send(unsigned message) override { client_.Send({message, 0, 0}); }
    // A Wayland client cannot raise another one: the bridge shows itself on the show message.
    void BringToFront() override {}

  private:
    VoceliaSocketClient client_;
};

}  // namespace speech
