#include "tests/e2e/OrvaletProcess.h"

#include <QCoreApplication>
#include <QFile>

#include "tests/e2e/TestDesktop.h"

namespace e2e {
namespace {

platform::HWND FindByExactTitle(const std::string& title) {
    platform::HWND found = 0;
    TheDesktop().EnumWindows([&](platform::HWND window) {
        if (TitleOf(window) == title) found = window;
        return found == 0;
    });
    return found;
}

}  // namespace

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
    process_.start(QCoreApplication::applicationDirPath() + "/orvalet", arguments);
}

OrvaletProcess::~OrvaletProcess() {
    if (process_.state() != QProcess::NotRunning) {
        process_.kill();
        process_.waitForFinished(3000);
    }
}

bool OrvaletProcess::WaitForMainWindow() {
    return WaitFor([&] {
        window_ = FindByExactTitle("Orvalet");
        return window_ != 0;
    });
}

}  // namespace e2e
