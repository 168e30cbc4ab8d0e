#pragma once

#include <QString>
#include <functional>

// What the bridge needs of a speech service: speak a text, be stopped, and say when speech
// has begun and when it has fallen silent again (finished, cancelled or failed).
class Speech {
  public:
    virtual ~Speech() = default;
    // Empty while the service can speak; otherwise why it cannot, for the user.
    virtual QString Problem() const = 0;
    // Starts speaking the text in place of anything being spoken.
    virtual void Say(const QString& text) = 0;
    virtual void Stop() = 0;

    std::function<void()> onSpeaking;
    std::function<void()> onSilent;
};
