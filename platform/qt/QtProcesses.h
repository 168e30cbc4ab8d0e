#pragma once

#include <QObject>
#include <QString>
#include <cstdint>
#include <map>

#include "platform/Processes.h"

class QProcess;

namespace platform::qt {

// The program a Windows command's first word stands for: "vocelia.exe" is "vocelia", looked
// for beside the running program, then on PATH; empty when neither has it.
QString FindProgram(const QString& windowsName);

// Other programs and documents through Qt. A program started with CreateProcessA is a child
// of this process: it shares its standard output and error, and what still runs when this
// object goes is ended with it.
class QtProcesses {
  public:
    QtProcesses();
    ~QtProcesses();
    QtProcesses(const QtProcesses&) = delete;
    QtProcesses& operator=(const QtProcesses&) = delete;

    unsigned WinExec(const char* commandLine, int show);
    HANDLE CreateProcessA(const char* commandLine, int show);
    bool WaitForSingleObject(HANDLE process, int ms);
    void TerminateProcess(HANDLE process);
    intptr_t ShellExecuteA(const char* verb, const char* file, const char* parameters,
                           const char* directory, int show);

  private:
    QProcess* Running(HANDLE process) const;

    // The started programs that still run; one leaves as soon as it has ended.
    std::map<HANDLE, QProcess*> running_;
    // Parent of the started programs' QProcess objects, gone before running_.
    QObject children_;
    HANDLE lastHandle_ = 0;
};

}  // namespace platform::qt
