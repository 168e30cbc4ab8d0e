#pragma once

#include <functional>
#include <string>

#include "platform/DesktopParts.h"
#include "platform/Types.h"
#include "platform/x11/ActiveWindow.h"
#include "platform/x11/X11Connection.h"

namespace platform::x11 {

// Top-level windows through the window manager's EWMH properties and requests.
class X11Windows final : public WindowSystem {
  public:
    explicit X11Windows(X11Connection& connection);

    HWND GetForegroundWindow() override;
    bool BringWindowToTop(HWND window) override;
    bool IsWindow(HWND window) override { return window != 0 && IsAlive(window); }
    bool SetWindowNoActivate(HWND window, bool noActivate) override;
    void EnumWindows(const std::function<bool(HWND)>& callback) override;
    int GetWindowTextA(HWND window, char* buffer, int size) override;
    int GetClassNameA(HWND window, char* buffer, int size) override;
    bool GetWindowRect(HWND window, Rect* rect) override;
    bool SetWindowPos(HWND window, int x, int y, int cx, int cy, unsigned flags) override;
    // The window manager moves and sizes windows as asked.
    bool CanPlaceWindows() override { return true; }
    int GetSystemMetrics(int index) override;
    void WatchForeground(std::function<void()> changed) override {
        active_.OnChange(std::move(changed));
    }
    // The toolkit's own X window of the widget's top level.
    HWND HandleOf(QWidget* topLevel) override;

  private:
    bool IsActive(Window window);
    bool IsAlive(Window window);
    std::string Title(Window window);
    void RequestActivation(Window window);
    bool IsAbove(Window window);
    Rect FrameExtents(Window window);
    Rect WorkArea();

    X11Connection& connection_;
    ActiveWindow active_;
};

}  // namespace platform::x11
