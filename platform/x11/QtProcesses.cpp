#include "platform/x11/QtProcesses.h"

#include <QDesktopServices>
#include <QFileInfo>
#include <QProcess>
#include <QStandardPaths>
#include <QUrl>

#include "platform/Cp1252.h"
#include "platform/x11/ExecutableDirectory.h"

namespace platform::x11 {
namespace {

// WinExec's answers.
constexpr unsigned kStarted = 33;
constexpr unsigned kFileNotFound = 2;
// ShellExecuteA's answers: above 32 succeeds; SE_ERR_NOASSOC when nothing opens the document.
constexpr intptr_t kOpened = 42;
constexpr intptr_t kNoAssociation = 31;

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

unsigned QtProcesses::WinExec(const char* commandLine, int /*show*/) {
    if (commandLine == nullptr) return kFileNotFound;
    QStringList words = QProcess::splitCommand(ToQString(commandLine));
    if (words.isEmpty()) return kFileNotFound;
    const QString program = FindProgram(words.takeFirst());
    if (program.isEmpty() || !QProcess::startDetached(program, words)) return kFileNotFound;
    return kStarted;
}

intptr_t QtProcesses::ShellExecuteA(const char* /*verb*/, const char* file,
                                    const char* /*parameters*/, const char* /*directory*/,
                                    int /*show*/) {
    if (file == nullptr || *file == '\0') return kNoAssociation;
    return QDesktopServices::openUrl(QUrl::fromUserInput(ToQString(file))) ? kOpened
                                                                           : kNoAssociation;
}

}  // namespace platform::x11
