#include "platform/x11/X11Desktop.h"

#include <QCoreApplication>
#include <QSocketNotifier>
#include <QWidget>

#include "platform/x11/KeyboardLayout.h"
#include "platform/x11/PosixModules.h"
#include "platform/x11/QtClipboard.h"
#include "platform/x11/QtMessageBox.h"
#include "platform/x11/QtProcesses.h"
#include "platform/x11/QtTime.h"
#include "platform/x11/X11Connection.h"
#include "platform/x11/X11Keyboard.h"
#include "platform/x11/X11Messages.h"
#include "platform/x11/X11SwitchKeys.h"
#include "platform/x11/X11Windows.h"

namespace platform {
namespace {

// Each operation goes to the part of the backend that owns its concern.
class X11Desktop final : public Desktop {
  public:
    X11Desktop()
        : windows_(connection_),
          layout_(connection_),
          keyboard_(connection_, layout_, *this),
          messages_(connection_),
          switchKeys_(connection_),
          notifier_(ConnectionNumber(connection_.display()), QSocketNotifier::Read) {
        // Events the server sends while nothing waits for them are handled as they come.
        QObject::connect(&notifier_, &QSocketNotifier::activated,
                         [this] { connection_.DispatchPending(); });
    }

    HWND GetForegroundWindow() override { return windows_.GetForegroundWindow(); }
    bool BringWindowToTop(HWND window) override { return windows_.BringWindowToTop(window); }
    bool IsWindow(HWND window) override { return windows_.IsWindow(window); }
    bool SetWindowNoActivate(HWND window, bool noActivate) override {
        return windows_.SetWindowNoActivate(window, noActivate);
    }
    bool MessageBeep(unsigned /*type: the bell has one sound*/) override {
        XBell(connection_.display(), 0);
        XFlush(connection_.display());
        return true;
    }
    bool SetForegroundWindow(HWND window) override { return windows_.BringWindowToTop(window); }
    void EnumWindows(const std::function<bool(HWND)>& callback) override {
        windows_.EnumWindows(callback);
    }
    int GetWindowTextA(HWND window, char* buffer, int size) override {
        return windows_.GetWindowTextA(window, buffer, size);
    }
    int GetClassNameA(HWND window, char* buffer, int size) override {
        return windows_.GetClassNameA(window, buffer, size);
    }
    bool GetWindowRect(HWND window, Rect* rect) override {
        return windows_.GetWindowRect(window, rect);
    }
    bool SetWindowPos(HWND window, HWND /*insertAfter: always the top*/, int x, int y, int cx,
                      int cy, unsigned flags) override {
        return windows_.SetWindowPos(window, x, y, cx, cy, flags);
    }
    int GetSystemMetrics(int index) override { return windows_.GetSystemMetrics(index); }
    long SendMessageA(HWND window, unsigned message, uintptr_t wParam, intptr_t lParam) override {
        return messages_.SendMessageA(window, message, wParam, lParam);
    }
    int MessageBoxA(QWidget* owner, const char* text, const char* caption, unsigned type) override {
        return x11::ShowMessageBox(owner, text, caption, type);
    }
    HWND HandleOf(QWidget* topLevel) override {
        return topLevel != nullptr ? topLevel->window()->winId() : 0;
    }
    void ProcessMessages() override { QCoreApplication::processEvents(); }

    void keybd_event(uint8_t vk, uint8_t /*scan*/, unsigned flags,
                     uintptr_t /*extraInfo*/) override {
        keyboard_.keybd_event(vk, flags);
    }
    int16_t VkKeyScanA(char character) override { return layout_.VkKeyScan(character); }
    bool SpanishLayoutActive() override { return layout_.IsSpanish(); }
    bool TypeCharacter(char character) override { return keyboard_.TypeCharacter(character); }

    bool SetCursorPos(int x, int y) override {
        XWarpPointer(connection_.display(), None, connection_.root(), 0, 0, 0, 0, x, y);
        XFlush(connection_.display());
        return true;
    }

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

    bool HasSwitchKey(const std::string& name) override { return switchKeys_.HasSwitchKey(name); }
    bool GrabSwitchKeys(const std::vector<std::string>& names,
                        std::function<void(const std::string&)> onPress) override {
        return switchKeys_.Grab(names, std::move(onPress));
    }
    void UngrabSwitchKeys() override { switchKeys_.Ungrab(); }
    bool CatchNextKey(std::function<void(const std::string&)> onKey) override {
        return switchKeys_.CatchNextKey(std::move(onKey));
    }
    void StopCatchingKey() override { switchKeys_.StopCatchingKey(); }

    uint32_t GetTickCount() override { return time_.GetTickCount(); }
    void WaitForMessages(int ms) override { time_.WaitForMessages(ms); }
    std::unique_ptr<TimerSource> CreateTimer(std::function<void()> onTick) override {
        return time_.CreateTimer(std::move(onTick));
    }

  private:
    // First, so that the parts built after it can make timers through this desktop.
    x11::QtTime time_;
    x11::X11Connection connection_;
    x11::X11Windows windows_;
    x11::KeyboardLayout layout_;
    x11::X11Keyboard keyboard_;
    x11::X11Messages messages_;
    x11::X11SwitchKeys switchKeys_;
    QSocketNotifier notifier_;
    x11::QtClipboard clipboard_;
    x11::PosixModules modules_;
    x11::QtProcesses processes_;
};

}  // namespace

std::unique_ptr<Desktop> CreateX11Desktop() { return std::make_unique<X11Desktop>(); }

}  // namespace platform
