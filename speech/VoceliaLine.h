#pragma once

namespace speech {

// How the keyboard finds the bridge and hands it a message: window messages on X11, the
// bridge's socket where the session has none.
class VoceliaLine {
  public:
    virtual ~VoceliaLine() = default;
    // Looks the bridge up afresh: whether it runs.
    virtual bool Find() = 0;
    // Sends the bridge found last a message, both parameters 0, and waits until it has been
    // handled; a bridge that does not answer holds the keyboard only so long.
    virtual void Send(unsigned message) = 0;
    // Brings the bridge found last to the foreground, where the session lets the keyboard.
    virtual void BringToFront() = 0;
};

}  // namespace speech
