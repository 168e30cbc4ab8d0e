#pragma once

namespace platform {

// Other programs and documents.
class Processes {
  public:
    virtual ~Processes() = default;
    // Starts a program from a command line (its first word a bare program name); above 31 on
    // success.
    virtual unsigned WinExec(const char* commandLine, int show) = 0;
    // Opens a document or web address with the user's preferred program; above 32 on success.
    virtual intptr_t ShellExecuteA(const char* verb, const char* file, const char* parameters,
                                   const char* directory, int show) = 0;
};

}  // namespace platform
