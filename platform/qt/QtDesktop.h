#pragma once

#include "platform/Desktop.h"
#include "platform/qt/PosixModules.h"
#include "platform/qt/QtClipboard.h"
#include "platform/qt/QtProcesses.h"
#include "platform/qt/QtTime.h"

namespace platform::qt {

// The desktop operations that are the same on every window system: the clipboard, libraries,
// programs, time, message boxes and the message loop, through Qt and POSIX. A backend derives
// from it and adds the windows, the keyboard and the pointer of its window system.
class QtDesktop : public Desktop {
  public:
    int MessageBoxA(QWidget* owner, const char* text, const char* caption, unsigned type) override;
    void ProcessMessages() override;

    bool OpenClipboard() override { return clipboard_.OpenClipboard(); }
    std::optional<std::string> GetClipboardData(unsigned format) override {
        return clipboard_.GetClipboardData(format);
    }
    bool CloseClipboard() override { return clipboard_.CloseClipboard(); }

    HMODULE LoadLibraryA(const char* name) override { return modules_.LoadLibraryA(name); }
    void* GetProcAddress(HMODULE module, const char* name) override {
        return modules_.GetProcAddress(module, name);
    }
    bool FreeLibrary(HMODULE module) override { return modules_.FreeLibrary(module); }

    unsigned WinExec(const char* commandLine, int show) override {
        return processes_.WinExec(commandLine, show);
    }
    HANDLE CreateProcessA(const char* commandLine, int show) override {
        return processes_.CreateProcessA(commandLine, show);
    }
    bool WaitForSingleObject(HANDLE process, int ms) override {
        return processes_.WaitForSingleObject(process, ms);
    }
    void TerminateProcess(HANDLE process) override { processes_.TerminateProcess(process); }
    intptr_t ShellExecuteA(const char* verb, const char* file, const char* parameters,
                           const char* directory, int show) override {
        return processes_.ShellExecuteA(verb, file, parameters, directory, show);
    }

    uint32_t GetTickCount() override { return time_.GetTickCount(); }
    void WaitForMessages(int ms) override { time_.WaitForMessages(ms); }
    std::unique_ptr<TimerSource> CreateTimer(std::function<void()> onTick) override {
        return time_.CreateTimer(std::move(onTick));
    }

  private:
    // Built before the backend's own parts, so that they can make timers through this desktop.
    QtTime time_;
    QtClipboard clipboard_;
    PosixModules modules_;
    QtProcesses processes_;
};

}  // namespace platform::qt
