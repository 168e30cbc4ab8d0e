#pragma once

#include <QObject>
#include <QString>
#include <QTimer>
#include <functional>

class Speech;

// The bridge's side of the protocol with the keyboard: on the read message it speaks the
// text the keyboard left in the suite settings file, and it keeps "STATUS" there at "1"
// while it speaks, or has a text still to say, and at "0" otherwise; the start-up and show
// messages ask for its window, and the close message, where it comes as a message, for the
// bridge to close.
class Bridge : public QObject {
    Q_OBJECT
  public:
    // How long the service may take to answer at its start before the bridge gives it up:
    // a loaded machine can take tens of seconds.
    static constexpr int kConnectLimitMs = 60000;

    explicit Bridge(Speech& speech, int connectLimitMs = kConnectLimitMs);
    ~Bridge() override;

    // Answers one window message; the answer is always 0.
    long Handle(unsigned message);
    // Falls silent for good, as the bridge closes.
    void Close();

    // Asked to show the window.
    std::function<void()> onShow;
    // Asked to close, through the bridge's socket: on X11 the window manager closes the window.
    std::function<void()> onCloseAsked;
    // What the window should tell the user: the state of speech, and the last text given.
    std::function<void(const QString&)> onNotice;
    std::function<void(const QString&)> onText;

  private:
    void Read();
    void SayIfPossible(const QString& text);
    void Keep(const QString& text);
    void OnConnected();
    void OnNoConnection();
    void OnSpeaking();
    void OnSilent();
    void OnNoStart();
    void SetStatus(bool speaking);
    void Notice(const QString& text);

    Speech& speech_;
    // Runs while the service is still connecting and has not been given up.
    QTimer connectLimit_;
    // The latest text given while the service was connecting, said once it can speak.
    QString kept_;
    // A text has been handed to the service, which has not yet begun to say it.
    bool awaitingStart_ = false;
    QTimer startLimit_;
};
