#include "platform/qt/QtProcesses.h"

#include <QDesktopServices>
#include <QEventLoop>
#include <QFileInfo>
#include <QProcess>
#include <QStandardPaths>
#include <QTimer>
#include <QUrl>

#include "platform/Cp1252.h"
#include "platform/qt/ExecutableDirectory.h"

namespace platform::qt {
namespace {

// WinExec's answers.
constexpr unsigned kStarted = 33;
constexpr unsigned kFileNotFound = 2;
// ShellExecuteA's answers: above 32 succeeds; SE_ERR_NOASSOC when nothing opens the document.
constexpr intptr_t kOpened = 42;
constexpr intptr_t kNoAssociation = 31;
// How long ending a program may take: a killed program goes at once unless the system is
// stuck.
constexpr int kEndLimitMs = 2000;

// A command line's program, found as FindProgram finds it, and its arguments; no program
// when the line names none that can be found.
struct Command {
    QString program;
    QStringList arguments;
};

Command ParseCommand(const char* commandLine) {
    if (commandLine == nullptr) return {};
    QStringList words = QProcess::splitCommand(ToQString(commandLine));
    if (words.isEmpty()) return {};
    const QString program = FindProgram(words.takeFirst());
    return {program, words};
}

}  // namespace

QString FindProgram(const QString& windowsName) {
    QString name = windowsName;
    if (name.endsWith(QStringLiteral(".exe"), Qt::CaseInsensitive)) name.chop(4);
    if (name.isEmpty()) return {};
    if (name.contains(u'/')) return QFileInfo(name).isExecutable() ? name : QString();
    const QFileInfo beside(ExecutableDirectory() + u'/' + name);
    if (beside.isFile() && beside.isExecutable()) return beside.filePath();
    return QStandardPaths::findExecutable(name);
}

QtProcesses::QtProcesses() = default;

QtProcesses::~QtProcesses() {
    for (const auto& [handle, process] : std::map(running_)) TerminateProcess(handle);
}

unsigned QtProcesses::WinExec(const char* commandLine, int /*show*/) {
    const Command command = ParseCommand(commandLine);
    if (command.program.isEmpty() || !QProcess::startDetached(command.program, command.arguments))
        return kFileNotFound;
    return kStarted;
}

HANDLE QtProcesses::CreateProcessA(const char* commandLine, int /*show*/) {
    const Command command = ParseCommand(commandLine);
    if (command.program.isEmpty()) return 0;
    auto* process = new QProcess(&children_);
    process->setProcessChannelMode(QProcess::ForwardedChannels);
    process->setStandardInputFile(QProcess::nullDevice());
    process->start(command.program, command.arguments);
    if (!process->waitForStarted()) {
        delete process;
        return 0;
    }
    const HANDLE handle = ++lastHandle_;
    running_[handle] = process;
    QObject::connect(process, &QProcess::finished, process, [this, handle, process] {
        running_.erase(handle);
        process->deleteLater();
    });
    return handle;
}

bool QtProcesses::WaitForSingleObject(HANDLE handle, int ms) {
    QProcess* process = Running(handle);
    if (process == nullptr) return true;
    // Looks at the program's end without handling any other event.
    if (ms <= 0) return process->waitForFinished(0);
    QEventLoop loop;
    QObject::connect(process, &QProcess::finished, &loop, &QEventLoop::quit);
    QTimer::singleShot(ms, &loop, &QEventLoop::quit);
    loop.exec();
    return Running(handle) == nullptr;
}

void QtProcesses::TerminateProcess(HANDLE handle) {
    QProcess* process = Running(handle);
    if (process == nullptr) return;
    process->kill();
    process->waitForFinished(kEndLimitMs);
}

QProcess* QtProcesses::Running(HANDLE handle) const {
    const auto found = running_.find(handle);
    return found == running_.end() ? nullptr : found->second;
}

intptr_t QtProcesses::ShellExecuteA(const char* /*verb*/, const char* file,
                                    const char* /*parameters*/, const char* /*directory*/,
                                    int /*show*/) {
    if (file == nullptr || *file == '\0') return kNoAssociation;
    return QDesktopServices::openUrl(QUrl::fromUserInput(ToQString(file))) ? kOpened
                                                                           : kNoAssociation;
}

}  // namespace platform::qt
