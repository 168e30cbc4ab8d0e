#pragma once

#include <QProcess>
#include <QString>
#include <QStringList>
#include <QTemporaryDir>

#include "platform/Types.h"

namespace e2e {

// A running e2e_receiver: a real X client whose text the tests read back.
class Receiver {
  public:
    // Starts the receiver and waits until its window is on the desktop with the focus.
    explicit Receiver(const QString& title, const QStringList& options = {});
    ~Receiver();
    Receiver(const Receiver&) = delete;
    Receiver& operator=(const Receiver&) = delete;

    platform::HWND window() const { return window_; }
    qint64 pid() const { return process_.processId(); }
    // How many times it has lost the keyboard focus since it started.
    int FocusLost() const;
    // What the receiver's text holds now.
    QString Text() const;
    // The key events it got, one "press F12" or "release F12" a line; started --log-keys.
    QStringList KeyEvents() const;
    // Waits until the text is exactly the expected one; returns whether it came.
    bool WaitForText(const QString& expected) const;
    // Waits until the program has ended; returns whether it ended with status 0.
    bool WaitForCleanExit();
    // Stops the program and waits until its window has gone.
    void Kill();

  private:
    QTemporaryDir folder_;
    QString output_;
    QProcess process_;
    platform::HWND window_ = 0;
};

}  // namespace e2e
