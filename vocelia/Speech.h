#pragma once

#include <QString>
#include <functional>

// What the bridge needs of a speech service: speak a text, be stopped, say when it has
// answered at its start, and when speech has begun and when it has fallen silent again
// (finished, cancelled or failed).
class Speech {
  public:
    virtual ~Speech() = default;
    // True until the service has answered at its start; it cannot speak meanwhile.
    virtual bool Connecting() const = 0;
    // Empty while the service can speak; otherwise why it cannot, for the user.
    virtual QString Problem() const = 0;
    // Starts speaking the text in place of anything being spoken.
    virtual void Say(const QString& text) = 0;
    virtual void Stop() = 0;

    // Connecting() has just become false: the service can speak, or Problem() says why not.
    std::function<void()> onConnected;
    std::function<void()> onSpeaking;
    std::function<void()> onSilent;
};
