#pragma once

#include <QString>
#include <cstdint>

namespace platform::x11 {

// The program a Windows command's first word stands for: "vocelia.exe" is "vocelia", looked
// for beside the running program, then on PATH; empty when neither has it.
QString FindProgram(const QString& windowsName);

// Other programs and documents through Qt.
class QtProcesses {
  public:
    unsigned WinExec(const char* commandLine, int show);
    intptr_t ShellExecuteA(const char* verb, const char* file, const char* parameters,
                           const char* directory, int show);
};

}  // namespace platform::x11
