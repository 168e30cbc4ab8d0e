#pragma once

#include <QObject>
#include <QString>
#include <QTimer>
#include <functional>

class Speech;

// The bridge's side of the protocol with the keyboard: on the read message it speaks the
// text the keyboard left in the suite settings file, and it keeps "STATUS" there at "1"
// while it speaks and at "0" otherwise; the start-up and show messages ask for its window.
class Bridge : public QObject {
    Q_OBJECT
  public:
    explicit Bridge(Speech& speech);
    ~Bridge() override;

    // Answers one window message; the answer is always 0.
    long Handle(unsigned message);
    // Falls silent for good, as the bridge closes.
    void Close();

    // Asked to show the window.
    std::function<void()> onShow;
    // What the window should tell the user: the state of speech, and the last text given.
    std::function<void(const QString&)> onNotice;
    std::function<void(const QString&)> onText;

  private:
    void Read();
    void OnSpeaking();
    void OnSilent();
    void OnNoStart();
    void SetStatus(bool speaking);
    void Notice(const QString& text);

    Speech& speech_;
    // A text has been handed to the service, which has not yet begun to say it.
    bool awaitingStart_ = false;
    QTimer startLimit_;
};
