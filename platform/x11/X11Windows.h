#pragma once

#include <functional>
#include <string>

#include "platform/Types.h"
#include "platform/x11/ActiveWindow.h"
#include "platform/x11/X11Connection.h"

namespace platform::x11 {

// Top-level windows through the window manager's EWMH properties and requests.
class X11Windows {
  public:
    explicit X11Windows(X11Connection& connection);

    HWND GetForegroundWindow();
    bool BringWindowToTop(HWND window);
    bool IsWindow(HWND window) { return window != 0 && IsAlive(window); }
    bool SetWindowNoActivate(HWND window, bool noActivate);
    void EnumWindows(const std::function<bool(HWND)>& callback);
    int GetWindowTextA(HWND window, char* buffer, int size);
    int GetClassNameA(HWND window, char* buffer, int size);
    bool GetWindowRect(HWND window, Rect* rect);
    bool SetWindowPos(HWND window, int x, int y, int cx, int cy, unsigned flags);
    int GetSystemMetrics(int index);
    void WatchForeground(std::function<void()> changed) { active_.OnChange(std::move(changed)); }

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
