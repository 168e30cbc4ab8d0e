#include "tests/e2e/Receiver.h"

#include <signal.h>

#include <QCoreApplication>
#include <QFile>

#include "platform/Cp1252.h"
#include "tests/support/TestDesktop.h"

namespace e2e {
namespace {

bool IsReceiver(platform::HWND window) {
    char className[255] = {};
    TheDesktop().GetClassNameA(window, className, sizeof className);
    return std::string(className) == "e2e_receiver";
}

// The keyboard's caption follows the receiving window, so its title alone is not enough:
// the receiver is also known by its window class.
platform::HWND FindReceiverTitled(const std::string& title) {
    platform::HWND found = 0;
    TheDesktop().EnumWindows([&](platform::HWND window) {
        if (TitleOf(window) == title && IsReceiver(window)) found = window;
        return found == 0;
    });
    return found;
}

}  // namespace

Receiver::Receiver(const QString& title, const QStringList& options)
    : output_(folder_.filePath(QStringLiteral("text"))) {
    process_.setProcessChannelMode(QProcess::ForwardedChannels);
    process_.start(QCoreApplication::applicationDirPath() + QStringLiteral("/e2e_receiver"),
                   QStringList{title, output_} + options);
    process_.waitForStarted();
    const std::string windowsTitle = platform::FromQString(title);
    WaitFor([&] {
        return QFile::exists(output_) && (window_ = FindReceiverTitled(windowsTitle)) != 0;
    });
}

Receiver::~Receiver() {
    if (process_.state() == QProcess::NotRunning) return;
    ::kill(static_cast<pid_t>(process_.processId()), SIGCONT);
    process_.kill();
    process_.waitForFinished();
}

QString Receiver::Text() const {
    QFile file(output_);
    if (!file.open(QIODevice::ReadOnly)) return {};
    return QString::fromUtf8(file.readAll());
}

QStringList Receiver::KeyEvents() const {
    QFile file(output_ + QStringLiteral(".keys"));
    if (!file.open(QIODevice::ReadOnly)) return {};
    return QString::fromUtf8(file.readAll()).split(QLatin1Char('\n'), Qt::SkipEmptyParts);
}

int Receiver::FocusLost() const {
    QFile file(output_ + QStringLiteral(".focus-lost"));
    return file.open(QIODevice::ReadOnly) ? file.readAll().toInt() : 0;
}

bool Receiver::WaitForText(const QString& expected) const {
    return WaitFor([&] { return Text() == expected; });
}

bool Receiver::WaitForCleanExit() {
    return process_.waitForFinished() && process_.exitStatus() == QProcess::NormalExit &&
           process_.exitCode() == 0;
}

void Receiver::Kill() {
    process_.kill();
    process_.waitForFinished();
    WaitFor([&] {
        bool listed = false;
        TheDesktop().EnumWindows([&](platform::HWND window) {
            listed = listed || window == window_;
            return !listed;
        });
        return !listed;
    });
}

}  // namespace e2e
