#pragma once

#include <QProcess>
#include <QStringList>
#include <QTemporaryDir>
#include <string>

#include "platform/Types.h"

namespace e2e {

// The real keyboard program running on the test desktop, with a settings folder of its
// own that already names an interface language, so that no first-run dialog appears.
class OrvaletProcess {
  public:
    // environment: NAME=value entries added to the test's own environment.
    explicit OrvaletProcess(
        const QStringList& arguments = {},
        const QByteArray& settings = "[Quarnel Orvalet]\r\nLlengua=Catal\xE0\r\n",
        const QStringList& environment = {});
    ~OrvaletProcess();
    OrvaletProcess(const OrvaletProcess&) = delete;
    OrvaletProcess& operator=(const OrvaletProcess&) = delete;

    // The program every keyboard process runs: by default the orvalet beside the running
    // executable, as the tests have it.
    static void SetProgram(const QString& program);

    // Waits until the main window, titled after what it shows, is on the screen.
    bool WaitForMainWindow();
    platform::HWND window() const { return window_; }
    QProcess& process() { return process_; }
    qint64 pid() const { return process_.processId(); }
    QString configFolder() const { return config_.path(); }
    // Whether the program still runs, or how it ended: for the message of a failed test.
    std::string State() const;

  private:
    QTemporaryDir config_;
    QProcess process_;
    platform::HWND window_ = 0;
};

}  // namespace e2e
