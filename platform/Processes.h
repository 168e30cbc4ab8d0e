#pragma once

#include <cstdint>

namespace platform {

// A program started with CreateProcessA; 0 means none.
using HANDLE = std::uintptr_t;

// Other programs and documents.
class Processes {
  public:
    virtual ~Processes() = default;
    // Starts a program from a command line (its first word a bare program name); above 31 on
    // success.
    virtual unsigned WinExec(const char* commandLine, int show) = 0;
    // Starts a program as WinExec does and keeps hold of it; 0 when it could not be started.
    virtual HANDLE CreateProcessA(const char* commandLine, int show) = 0;
    // Waits up to ms for a started program to end, handling window messages meanwhile; true
    // once it has ended. With ms 0 it only looks.
    virtual bool WaitForSingleObject(HANDLE process, int ms) = 0;
    // Ends a started program at once if it still runs.
    virtual void TerminateProcess(HANDLE process) = 0;
    // Opens a document or web address with the user's preferred program; above 32 on success.
    virtual intptr_t ShellExecuteA(const char* verb, const char* file, const char* parameters,
                                   const char* directory, int show) = 0;
};

}  // namespace platform
