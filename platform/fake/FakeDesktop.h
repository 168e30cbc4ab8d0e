#pragma once

#include <QPointer>
#include <QWidget>
#include <map>
#include <optional>
#include <set>
#include <string>
#include <vector>

#include "platform/Desktop.h"
#include "platform/fake/FakeSwitchKeys.h"

namespace platform {

// One recorded desktop call: its name and its arguments as text, for readable expectations.
struct FakeCall {
    std::string name;
    std::vector<std::string> args;
    bool operator==(const FakeCall&) const = default;
};

struct FakeKeyEvent {
    uint8_t vk;
    bool up;
    bool operator==(const FakeKeyEvent&) const = default;
};

// A recording desktop for tests: every call lands in an ordered log, answers are scripted,
// time only moves when the program waits or the test advances it, and synthesised keys
// reach the program's own focused widget when one of its windows is in the foreground.
class FakeDesktop : public Desktop {
  public:
    struct FakeWindow {
        std::string title;
        std::string className;
        Rect rect;
        bool alive = true;
    };
    // A program started with CreateProcessA: it runs until it is ended, or until its window,
    // if the test gives it one, is sent WM_CLOSE and it answers that.
    struct FakeProcess {
        std::string commandLine;
        bool running = true;
        HWND window = 0;
        bool answersClose = true;
    };

    FakeDesktop();
    ~FakeDesktop() override;

    // --- scripting -------------------------------------------------------------------
    HWND AddWindow(std::string title, std::string className = "FakeWindow", Rect rect = {});
    void CloseWindow(HWND window);
    void SetForeground(HWND window);
    void SetScreen(int width, int height) { screenWidth_ = width, screenHeight_ = height; }
    void SetWorkArea(int width, int height) { maxWidth_ = width, maxHeight_ = height; }
    void SetClipboard(std::optional<std::string> text) { clipboard_ = std::move(text); }
    // A window manager that takes ms milliseconds to hand the focus to a window: until then
    // BringWindowToTop answers that it did not (0: at once, as by default).
    void SetActivationDelay(uint32_t ms) { activationDelay_ = ms; }
    // A window manager that never gives the program's own windows the focus.
    void RefuseOwnActivation(bool refuse) { refuseOwnActivation_ = refuse; }
    // Answer of the next message boxes (IDOK when nothing is queued).
    void QueueMessageBoxAnswer(int answer) { boxAnswers_.push_back(answer); }
    // Libraries: a Windows name mapped to the path of a real test library, or absent.
    void SetLibrary(const std::string& name, std::optional<std::string> path);
    // The active layout: the Spanish one (at start) or another, on which TypeCharacter types
    // every character but the untypable ones.
    void SetLayout(bool spanish, std::string untypable = {});
    // Moves the clock forward, firing due timers in order and handling posted events.
    void Advance(uint32_t ms);
    // The programs started so far, by handle in the order they were started; scriptable.
    std::map<HANDLE, FakeProcess>& Processes() { return processes_; }

    // The keyboard's keys that a switch interface may send, pressed by the test.
    FakeSwitchKeys switchKeys;

    // --- inspection ------------------------------------------------------------------
    const std::vector<FakeCall>& Calls() const { return calls_; }
    std::vector<FakeCall> CallsNamed(const std::string& name) const;
    const std::vector<FakeKeyEvent>& Keys() const { return keys_; }
    // The characters TypeCharacter has typed.
    const std::string& Typed() const { return typed_; }
    void ClearLog();
    const FakeWindow* Window(HWND window) const;
    HWND Foreground() const { return foreground_; }
    Point Cursor() const { return cursor_; }

    // --- Desktop ---------------------------------------------------------------------
    HWND GetForegroundWindow() override;
    bool BringWindowToTop(HWND window) override;
    bool IsWindow(HWND window) override;
    bool SetWindowNoActivate(HWND window, bool noActivate) override;
    bool MessageBeep(unsigned type) override;
    bool SetForegroundWindow(HWND window) override;
    void EnumWindows(const std::function<bool(HWND)>& callback) override;
    int GetWindowTextA(HWND window, char* buffer, int size) override;
    int GetClassNameA(HWND window, char* buffer, int size) override;
    bool GetWindowRect(HWND window, Rect* rect) override;
    bool SetWindowPos(HWND window, HWND insertAfter, int x, int y, int cx, int cy,
                      unsigned flags) override;
    int GetSystemMetrics(int index) override;
    long SendMessageA(HWND window, unsigned message, uintptr_t wParam, intptr_t lParam) override;
    int MessageBoxA(QWidget* owner, const char* text, const char* caption, unsigned type) override;
    HWND HandleOf(QWidget* topLevel) override;
    void ProcessMessages() override;
    void WatchForeground(std::function<void()> changed) override;

    void keybd_event(uint8_t vk, uint8_t scan, unsigned flags, uintptr_t extraInfo) override;
    int16_t VkKeyScanA(char character) override;
    bool SpanishLayoutActive() override { return spanish_; }
    bool TypeCharacter(char character) override;

    bool SetCursorPos(int x, int y) override;

    bool OpenClipboard() override;
    std::optional<std::string> GetClipboardData(unsigned format) override;
    bool CloseClipboard() override;

    HMODULE LoadLibraryA(const char* name) override;
    void* GetProcAddress(HMODULE module, const char* name) override;
    bool FreeLibrary(HMODULE module) override;

    unsigned WinExec(const char* commandLine, int show) override;
    HANDLE CreateProcessA(const char* commandLine, int show) override;
    bool WaitForSingleObject(HANDLE process, int ms) override;
    void TerminateProcess(HANDLE process) override;
    intptr_t ShellExecuteA(const char* verb, const char* file, const char* parameters,
                           const char* directory, int show) override;

    bool HasSwitchKey(const std::string& name) override { return switchKeys.Has(name); }
    bool GrabSwitchKeys(const std::vector<std::string>& names,
                        std::function<void(const SwitchKeyEvent&)> onEvent) override {
        return switchKeys.Grab(names, std::move(onEvent));
    }
    void UngrabSwitchKeys() override { switchKeys.Ungrab(); }
    bool CatchNextKey(std::function<void(const std::string&)> onKey) override {
        return switchKeys.CatchNextKey(std::move(onKey));
    }
    void StopCatchingKey() override { switchKeys.StopCatching(); }

    uint32_t GetTickCount() override;
    void WaitForMessages(int ms) override;
    std::unique_ptr<TimerSource> CreateTimer(std::function<void()> onTick) override;

  private:
    class FakeTimer;
    void Record(std::string name, std::vector<std::string> args = {});
    void DeliverKeyToOwnWindow(uint8_t vk, bool up);
    // The program's own window of a handle, while it exists.
    QWidget* OwnWidget(HWND window) const;
    FakeTimer* NextDueTimer(uint64_t until) const;
    void EndProcess(FakeProcess& process);

    std::vector<FakeCall> calls_;
    std::vector<FakeKeyEvent> keys_;
    std::string typed_;
    bool spanish_ = true;
    std::string untypable_;
    std::map<HWND, FakeWindow> windows_;
    std::vector<HWND> stacking_;  // topmost first
    // The program's own windows; a window destroyed meanwhile leaves a null pointer behind.
    std::vector<std::pair<QPointer<QWidget>, HWND>> ownWindows_;
    HWND nextHandle_ = 0x1000;
    HWND foreground_ = 0;
    std::function<void()> foregroundWatcher_;
    // A new foreground window, announced as a window system announces it.
    void MoveForeground(HWND window);
    int screenWidth_ = 1024;
    int screenHeight_ = 768;
    int maxWidth_ = 1024;
    int maxHeight_ = 738;
    Point cursor_;
    std::optional<std::string> clipboard_;
    std::vector<int> boxAnswers_;
    std::map<std::string, std::optional<std::string>> libraries_;
    std::map<HANDLE, FakeProcess> processes_;
    uint64_t now_ = 1000;
    uint32_t activationDelay_ = 0;
    bool refuseOwnActivation_ = false;
    std::set<HWND> noActivate_;
    // Since when each window has been asked for, while it is still on its way to the front.
    std::map<HWND, uint64_t> activationAsked_;
    std::vector<FakeTimer*> timers_;
    uint64_t timerOrder_ = 0;
};

}  // namespace platform
