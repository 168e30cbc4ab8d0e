#include "tests/support/OrvaletProcess.h"

#include <QCoreApplication>
#include <QFile>

#include "tests/support/TestDesktop.h"

namespace e2e {
namespace {

// Start-up takes well under a second alone, but several seconds beside a compositor and other
// suites starting on the same two cores.
constexpr int kStartLimitMs = 20000;

QString& Program() {
    static QString program;
    return program;
}

}  // namespace

void OrvaletProcess::SetProgram(const QString& program) { Program() = program; }

OrvaletProcess::OrvaletProcess(const QStringList& arguments, const QByteArray& settings,
                               const QStringList& environment) {
    QFile file(config_.filePath("orvalet.ini"));
    if (file.open(QIODevice::WriteOnly)) file.write(settings);
    file.close();
    QProcessEnvironment variables = QProcessEnvironment::systemEnvironment();
    variables.insert("XDG_CONFIG_HOME", config_.path());
    for (const QString& entry : environment)
        variables.insert(entry.section('=', 0, 0), entry.section('=', 1));
    process_.setProcessEnvironment(variables);
    process_.setProcessChannelMode(QProcess::ForwardedChannels);
    const QString program =
        Program().isEmpty() ? QCoreApplication::applicationDirPath() + "/orvalet" : Program();
    process_.start(program, arguments);
}

OrvaletProcess::~OrvaletProcess() {
    if (process_.state() != QProcess::NotRunning) {
        process_.kill();
        process_.waitForFinished(3000);
    }
}

bool OrvaletProcess::WaitForMainWindow() {
    return WaitFor(
        [&] {
            window_ = FindWindowTitled("Orvalet");
            return window_ != 0 && OnScreen(window_);
        },
        kStartLimitMs);
}

std::string OrvaletProcess::State() const {
    if (process_.state() != QProcess::NotRunning) {
        return "the keyboard runs as process " + std::to_string(process_.processId());
    }
    if (process_.exitStatus() == QProcess::CrashExit) return "the keyboard crashed";
    return "the keyboard ended with exit code " + std::to_string(process_.exitCode());
}

}  // namespace e2e
