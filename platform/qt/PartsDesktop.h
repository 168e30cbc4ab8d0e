#pragma once

#include "platform/DesktopParts.h"
#include "platform/qt/QtDesktop.h"

namespace platform::qt {

// The desktop of any window system: each operation goes to the part of the backend that owns
// its concern, and whatever is the same everywhere is answered here once. A backend owns its
// parts and hands them out; a part it lacks keeps the answers of a desktop without it.
class PartsDesktop : public QtDesktop {
  public:
    HWND GetForegroundWindow() override { return windowSystem().GetForegroundWindow(); }
    bool BringWindowToTop(HWND window) override { return windowSystem().BringWindowToTop(window); }
    bool IsWindow(HWND window) override { return windowSystem().IsWindow(window); }
    bool SetWindowNoActivate(HWND window, bool noActivate) override {
        return windowSystem().SetWindowNoActivate(window, noActivate);
    }
    bool MessageBeep(unsigned type) override;
    bool SetForegroundWindow(HWND window) override {
        return windowSystem().BringWindowToTop(window);
    }
    void EnumWindows(const std::function<bool(HWND)>& callback) override {
        windowSystem().EnumWindows(callback);
    }
    int GetWindowTextA(HWND window, char* buffer, int size) override {
        return windowSystem().GetWindowTextA(window, buffer, size);
    }
    int GetClassNameA(HWND window, char* buffer, int size) override {
        return windowSystem().GetClassNameA(window, buffer, size);
    }
    bool GetWindowRect(HWND window, Rect* rect) override {
        return windowSystem().GetWindowRect(window, rect);
    }
    bool SetWindowPos(HWND window, HWND /*insertAfter: always the top*/, int x, int y, int cx,
                      int cy, unsigned flags) override {
        return windowSystem().SetWindowPos(window, x, y, cx, cy, flags);
    }
    bool CanPlaceWindows() override { return windowSystem().CanPlaceWindows(); }
    int GetSystemMetrics(int index) override { return windowSystem().GetSystemMetrics(index); }
    void WatchForeground(std::function<void()> changed) override {
        windowSystem().WatchForeground(std::move(changed));
    }
    long SendMessageA(HWND window, unsigned message, uintptr_t wParam, intptr_t lParam) override;
    HWND HandleOf(QWidget* topLevel) override { return windowSystem().HandleOf(topLevel); }

    void keybd_event(uint8_t vk, uint8_t /*scan*/, unsigned flags,
                     uintptr_t /*extraInfo*/) override {
        keySender().keybd_event(vk, flags);
    }
    int16_t VkKeyScanA(char character) override { return keySender().VkKeyScanA(character); }
    bool SpanishLayoutActive() override { return keySender().SpanishLayoutActive(); }
    bool TypeCharacter(char character) override { return keySender().TypeCharacter(character); }

    bool SetCursorPos(int x, int y) override { return pointer().SetCursorPos(x, y); }
    Point ClientToScreen(const QWidget* widget, Point client) override {
        return pointer().ClientToScreen(widget, client);
    }

    bool HasSwitchKey(const std::string& name) override { return switchKeys().HasSwitchKey(name); }
    bool GrabSwitchKeys(const std::vector<std::string>& names,
                        std::function<void(const SwitchKeyEvent&)> onEvent) override {
        return switchKeys().GrabSwitchKeys(names, std::move(onEvent));
    }
    void UngrabSwitchKeys() override { switchKeys().UngrabSwitchKeys(); }
    bool CatchNextKey(std::function<void(const std::string&)> onKey) override {
        return switchKeys().CatchNextKey(std::move(onKey));
    }
    void StopCatchingKey() override { switchKeys().StopCatchingKey(); }

  protected:
    virtual WindowSystem& windowSystem() = 0;
    virtual KeySender& keySender() = 0;
    virtual Pointer& pointer() = 0;
    // A window system that cannot catch keys leaves the switch on the mouse button.
    virtual SwitchKeys& switchKeys() { return noSwitchKeys_; }
    // Null where no window takes another program's messages.
    virtual WindowMessages* windowMessages() { return nullptr; }

  private:
    SwitchKeys noSwitchKeys_;
};

}  // namespace platform::qt
