#include "platform/fake/FakeDesktop.h"

#include <dlfcn.h>

#include <QCoreApplication>
#include <QKeyEvent>
#include <QWidget>
#include <algorithm>
#include <cstring>

#include "platform/Constants.h"
#include "platform/Cp1252.h"
#include "platform/fake/FakeLayout.h"

namespace platform {

class FakeDesktop::FakeTimer : public TimerSource {
  public:
    FakeTimer(FakeDesktop& desktop, std::function<void()> onTick)
        : desktop_(desktop), onTick_(std::move(onTick)) {
        desktop_.timers_.push_back(this);
    }
    ~FakeTimer() override { std::erase(desktop_.timers_, this); }

    void start(int intervalMs) override {
        interval = static_cast<uint64_t>(std::max(intervalMs, 1));
        due = desktop_.now_ + interval;
        order = ++desktop_.timerOrder_;
        active = true;
    }
    void stop() override { active = false; }
    void Fire() {
        due += interval;
        onTick_();
    }

    uint64_t interval = 0;
    uint64_t due = 0;
    uint64_t order = 0;
    bool active = false;

  private:
    FakeDesktop& desktop_;
    std::function<void()> onTick_;
};

namespace {

std::string Num(long long value) { return std::to_string(value); }

int CopyOut(const std::string& text, char* buffer, int size) {
    if (size <= 0) return 0;
    const int length = std::min(static_cast<int>(text.size()), size - 1);
    std::memcpy(buffer, text.data(), static_cast<size_t>(length));
    buffer[length] = '\0';
    return length;
}

Qt::Key QtKeyOf(uint8_t vk) {
    switch (vk) {
        case VK_DOWN:
            return Qt::Key_Down;
        case VK_UP:
            return Qt::Key_Up;
        case VK_LEFT:
            return Qt::Key_Left;
        case VK_RIGHT:
            return Qt::Key_Right;
        case VK_HOME:
            return Qt::Key_Home;
        case VK_END:
            return Qt::Key_End;
        case VK_PRIOR:
            return Qt::Key_PageUp;
        case VK_NEXT:
            return Qt::Key_PageDown;
        case VK_RETURN:
            return Qt::Key_Return;
        case VK_TAB:
            return Qt::Key_Tab;
        default:
            return Qt::Key_unknown;
    }
}

}  // namespace

FakeDesktop::FakeDesktop() {
    switchKeys.SetClock([this] { return GetTickCount(); });
}
FakeDesktop::~FakeDesktop() = default;

void FakeDesktop::Record(std::string name, std::vector<std::string> args) {
    calls_.push_back({std::move(name), std::move(args)});
}

std::vector<FakeCall> FakeDesktop::CallsNamed(const std::string& name) const {
    std::vector<FakeCall> named;
    std::copy_if(calls_.begin(), calls_.end(), std::back_inserter(named),
                 [&](const FakeCall& call) { return call.name == name; });
    return named;
}

void FakeDesktop::ClearLog() {
    calls_.clear();
    keys_.clear();
    typed_.clear();
}

HWND FakeDesktop::AddWindow(std::string title, std::string className, Rect rect) {
    const HWND handle = ++nextHandle_;
    windows_[handle] = {std::move(title), std::move(className), rect, true};
    stacking_.insert(stacking_.begin(), handle);
    return handle;
}

void FakeDesktop::CloseWindow(HWND window) {
    if (auto it = windows_.find(window); it != windows_.end()) it->second.alive = false;
    std::erase(stacking_, window);
    if (window == foreground_ && foregroundWatcher_) foregroundWatcher_();
}

void FakeDesktop::SetForeground(HWND window) { MoveForeground(window); }

void FakeDesktop::MoveForeground(HWND window) {
    if (window == foreground_) return;
    foreground_ = window;
    if (foregroundWatcher_) foregroundWatcher_();
}

void FakeDesktop::WatchForeground(std::function<void()> changed) {
    foregroundWatcher_ = std::move(changed);
}

const FakeDesktop::FakeWindow* FakeDesktop::Window(HWND window) const {
    auto it = windows_.find(window);
    return it == windows_.end() ? nullptr : &it->second;
}

void FakeDesktop::SetLibrary(const std::string& name, std::optional<std::string> path) {
    libraries_[name] = std::move(path);
}

FakeDesktop::FakeTimer* FakeDesktop::NextDueTimer(uint64_t until) const {
    FakeTimer* next = nullptr;
    for (FakeTimer* timer : timers_) {
        if (!timer->active || timer->due > until) continue;
        if (!next || timer->due < next->due ||
            (timer->due == next->due && timer->order < next->order)) {
            next = timer;
        }
    }
    return next;
}

void FakeDesktop::SetLayout(bool spanish, std::string untypable) {
    spanish_ = spanish;
    untypable_ = std::move(untypable);
}

void FakeDesktop::Advance(uint32_t ms) {
    const uint64_t until = now_ + ms;
    QCoreApplication::processEvents();
    while (FakeTimer* timer = NextDueTimer(until)) {
        now_ = std::max(now_, timer->due);
        timer->Fire();
        QCoreApplication::processEvents();
    }
    now_ = std::max(now_, until);
}

HWND FakeDesktop::GetForegroundWindow() { return foreground_; }

bool FakeDesktop::BringWindowToTop(HWND window) {
    Record("BringWindowToTop", {Num(static_cast<long long>(window))});
    const bool own = std::any_of(ownWindows_.begin(), ownWindows_.end(),
                                 [&](const auto& entry) { return entry.second == window; });
    const FakeWindow* foreign = Window(window);
    if (!own && !(foreign && foreign->alive)) return false;
    if (own && (refuseOwnActivation_ || noActivate_.contains(window))) return false;
    if (foreground_ != window && activationDelay_ > 0) {
        const uint64_t asked = activationAsked_.try_emplace(window, now_).first->second;
        if (now_ - asked < activationDelay_) return false;
    }
    activationAsked_.erase(window);
    MoveForeground(window);
    return true;
}

bool FakeDesktop::IsWindow(HWND window) {
    Record("IsWindow", {Num(static_cast<long long>(window))});
    const FakeWindow* foreign = Window(window);
    return (foreign && foreign->alive) ||
           std::any_of(ownWindows_.begin(), ownWindows_.end(),
                       [&](const auto& entry) { return entry.second == window && entry.first; });
}

bool FakeDesktop::SetWindowNoActivate(HWND window, bool noActivate) {
    Record("SetWindowNoActivate", {Num(static_cast<long long>(window)), Num(noActivate)});
    if (noActivate) {
        noActivate_.insert(window);
    } else {
        noActivate_.erase(window);
    }
    return true;
}

bool FakeDesktop::MessageBeep(unsigned type) {
    Record("MessageBeep", {Num(type)});
    return true;
}

bool FakeDesktop::SetForegroundWindow(HWND window) {
    Record("SetForegroundWindow", {Num(static_cast<long long>(window))});
    return BringWindowToTop(window);
}

void FakeDesktop::EnumWindows(const std::function<bool(HWND)>& callback) {
    // The program's own windows stay on top of every other window.
    std::vector<HWND> order;
    for (const auto& [widget, handle] : ownWindows_) {
        if (widget && widget->isVisible()) order.push_back(handle);
    }
    order.insert(order.end(), stacking_.begin(), stacking_.end());
    for (HWND window : order) {
        if (!callback(window)) return;
    }
}

int FakeDesktop::GetWindowTextA(HWND window, char* buffer, int size) {
    for (const auto& [widget, handle] : ownWindows_) {
        if (handle == window && widget) {
            return CopyOut(FromQString(widget->windowTitle()), buffer, size);
        }
    }
    const FakeWindow* found = Window(window);
    if (!found || !found->alive) return CopyOut("", buffer, size);
    return CopyOut(found->title, buffer, size);
}

int FakeDesktop::GetClassNameA(HWND window, char* buffer, int size) {
    const FakeWindow* found = Window(window);
    if (!found || !found->alive) return CopyOut("", buffer, size);
    return CopyOut(found->className, buffer, size);
}

bool FakeDesktop::GetWindowRect(HWND window, Rect* rect) {
    if (QWidget* own = OwnWidget(window)) {
        const QRect outer = own->frameGeometry();
        *rect = {outer.left(), outer.top(), outer.left() + outer.width(),
                 outer.top() + outer.height()};
        return true;
    }
    const FakeWindow* found = Window(window);
    if (!found || !found->alive) return false;
    *rect = found->rect;
    return true;
}

bool FakeDesktop::SetWindowPos(HWND window, HWND insertAfter, int x, int y, int cx, int cy,
                               unsigned flags) {
    Record("SetWindowPos",
           {Num(static_cast<long long>(window)), Num(static_cast<long long>(insertAfter)), Num(x),
            Num(y), Num(cx), Num(cy), Num(flags)});
    if (QWidget* own = OwnWidget(window)) {
        // As on the desktop, the outer sides are placed, frame included.
        if (!(flags & SWP_NOMOVE)) own->move(x, y);
        if (!(flags & SWP_NOSIZE))
            own->resize(QSize(cx, cy) - (own->frameGeometry().size() - own->size()));
        return true;
    }
    auto it = windows_.find(window);
    if (it == windows_.end() || !it->second.alive) return false;
    Rect& rect = it->second.rect;
    if (!(flags & SWP_NOMOVE)) {
        rect = {x, y, x + (rect.right - rect.left), y + (rect.bottom - rect.top)};
    }
    if (!(flags & SWP_NOSIZE)) {
        rect.right = rect.left + cx;
        rect.bottom = rect.top + cy;
    }
    return true;
}

int FakeDesktop::GetSystemMetrics(int index) {
    switch (index) {
        case SM_CXSCREEN:
            return screenWidth_;
        case SM_CYSCREEN:
            return screenHeight_;
        case SM_CXMAXIMIZED:
            return maxWidth_;
        case SM_CYMAXIMIZED:
            return maxHeight_;
        default:
            return 0;
    }
}

long FakeDesktop::SendMessageA(HWND window, unsigned message, uintptr_t wParam, intptr_t lParam) {
    Record("SendMessageA", {Num(static_cast<long long>(window)), Num(message),
                            Num(static_cast<long long>(wParam)), Num(lParam)});
    if (message == WM_CLOSE) {
        for (auto& [handle, process] : processes_) {
            if (process.running && process.window == window && process.answersClose) {
                EndProcess(process);
            }
        }
    }
    return 0;
}

int FakeDesktop::MessageBoxA(QWidget*, const char* text, const char* caption, unsigned type) {
    Record("MessageBoxA", {text, caption, Num(type)});
    if (!boxAnswers_.empty()) {
        const int answer = boxAnswers_.front();
        boxAnswers_.erase(boxAnswers_.begin());
        return answer;
    }
    return (type & 0x0F) == MB_YESNO ? IDYES : IDOK;
}

QWidget* FakeDesktop::OwnWidget(HWND window) const {
    for (const auto& [widget, handle] : ownWindows_) {
        if (handle == window) return widget;
    }
    return nullptr;
}

HWND FakeDesktop::HandleOf(QWidget* topLevel) {
    for (const auto& [widget, handle] : ownWindows_) {
        if (widget == topLevel) return handle;
    }
    const HWND handle = ++nextHandle_;
    ownWindows_.emplace_back(topLevel, handle);
    return handle;
}

void FakeDesktop::ProcessMessages() {
    Record("ProcessMessages");
    QCoreApplication::processEvents();
}

void FakeDesktop::keybd_event(uint8_t vk, uint8_t scan, unsigned flags, uintptr_t extraInfo) {
    const bool up = (flags & KEYEVENTF_KEYUP) != 0;
    Record("keybd_event", {Num(vk), Num(scan), Num(flags), Num(static_cast<long long>(extraInfo))});
    keys_.push_back({vk, up});
    DeliverKeyToOwnWindow(vk, up);
}

void FakeDesktop::DeliverKeyToOwnWindow(uint8_t vk, bool up) {
    for (const auto& [widget, handle] : ownWindows_) {
        if (handle != foreground_ || !widget) continue;
        QWidget* target = widget->focusWidget() ? widget->focusWidget() : widget.data();
        const Qt::Key key = QtKeyOf(vk);
        if (key == Qt::Key_unknown) return;
        QCoreApplication::postEvent(
            target, new QKeyEvent(up ? QEvent::KeyRelease : QEvent::KeyPress, key, Qt::NoModifier));
        return;
    }
}

int16_t FakeDesktop::VkKeyScanA(char character) { return SpanishVkKeyScan(character); }

bool FakeDesktop::TypeCharacter(char character) {
    Record("TypeCharacter", {std::string(1, character)});
    if (untypable_.find(character) != std::string::npos) return false;
    typed_.push_back(character);
    return true;
}

bool FakeDesktop::SetCursorPos(int x, int y) {
    Record("SetCursorPos", {Num(x), Num(y)});
    cursor_ = {x, y};
    return true;
}

bool FakeDesktop::OpenClipboard() {
    Record("OpenClipboard");
    return true;
}

std::optional<std::string> FakeDesktop::GetClipboardData(unsigned format) {
    Record("GetClipboardData", {Num(format)});
    return format == CF_TEXT ? clipboard_ : std::nullopt;
}

bool FakeDesktop::CloseClipboard() {
    Record("CloseClipboard");
    return true;
}

HMODULE FakeDesktop::LoadLibraryA(const char* name) {
    Record("LoadLibraryA", {name});
    auto it = libraries_.find(name);
    if (it == libraries_.end() || !it->second) return 0;
    void* handle = dlopen(it->second->c_str(), RTLD_NOW | RTLD_LOCAL);
    return reinterpret_cast<HMODULE>(handle);
}

void* FakeDesktop::GetProcAddress(HMODULE module, const char* name) {
    if (module < 32) return nullptr;
    return dlsym(reinterpret_cast<void*>(module), name);
}

bool FakeDesktop::FreeLibrary(HMODULE module) {
    Record("FreeLibrary");
    return module >= 32 && dlclose(reinterpret_cast<void*>(module)) == 0;
}

unsigned FakeDesktop::WinExec(const char* commandLine, int show) {
    Record("WinExec", {commandLine, Num(show)});
    return 33;
}

HANDLE FakeDesktop::CreateProcessA(const char* commandLine, int show) {
    Record("CreateProcessA", {commandLine, Num(show)});
    const HANDLE handle = ++nextHandle_;
    processes_[handle] = {commandLine};
    return handle;
}

bool FakeDesktop::WaitForSingleObject(HANDLE process, int ms) {
    auto found = processes_.find(process);
    if (found == processes_.end() || !found->second.running) return true;
    if (ms > 0) Advance(static_cast<uint32_t>(ms));
    return !found->second.running;
}

void FakeDesktop::TerminateProcess(HANDLE process) {
    Record("TerminateProcess", {Num(static_cast<long long>(process))});
    if (auto found = processes_.find(process); found != processes_.end()) {
        EndProcess(found->second);
    }
}

void FakeDesktop::EndProcess(FakeProcess& process) {
    process.running = false;
    if (process.window != 0) CloseWindow(process.window);
}

intptr_t FakeDesktop::ShellExecuteA(const char* verb, const char* file, const char* parameters,
                                    const char* directory, int show) {
    Record("ShellExecuteA", {verb ? verb : "", file ? file : "", parameters ? parameters : "",
                             directory ? directory : "", Num(show)});
    return 42;
}

uint32_t FakeDesktop::GetTickCount() { return static_cast<uint32_t>(now_); }

void FakeDesktop::WaitForMessages(int ms) { Advance(static_cast<uint32_t>(std::max(ms, 0))); }

std::unique_ptr<TimerSource> FakeDesktop::CreateTimer(std::function<void()> onTick) {
    return std::make_unique<FakeTimer>(*this, std::move(onTick));
}

}  // namespace platform
