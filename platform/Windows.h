#pragma once

#include <functional>

#include "platform/Types.h"

class QWidget;

namespace platform {

// Top-level windows of the desktop, as the keyboard sees them.
class Windows {
  public:
    virtual ~Windows() = default;
    // The window the user is working in, or 0.
    virtual HWND GetForegroundWindow() = 0;
    // Raises and activates the window; returns once it really has the focus (bounded wait).
    virtual bool BringWindowToTop(HWND window) = 0;
    // Whether the window still exists.
    virtual bool IsWindow(HWND window) = 0;
    // Whether a click on the window leaves the keyboard focus where it is (Windows' extended
    // style WS_EX_NOACTIVATE), as an on-screen keyboard's window must.
    virtual bool SetWindowNoActivate(HWND window, bool noActivate) = 0;
    // A short sound of the given MB_ICON* kind, for a failure that has no message box.
    virtual bool MessageBeep(unsigned type) = 0;
    // Asks for the window to become the foreground window.
    virtual bool SetForegroundWindow(HWND window) = 0;
    // Calls back for each top-level window, topmost first, until the callback returns false.
    virtual void EnumWindows(const std::function<bool(HWND)>& callback) = 0;
    // Copies the title in Windows-1252 (at most size - 1 bytes, zero-terminated); returns its
    // length.
    virtual int GetWindowTextA(HWND window, char* buffer, int size) = 0;
    // Copies the class name (at most size - 1 bytes, zero-terminated); returns its length.
    virtual int GetClassNameA(HWND window, char* buffer, int size) = 0;
    // Outer bounds of the window in screen pixels.
    virtual bool GetWindowRect(HWND window, Rect* rect) = 0;
    // Moves and sizes a window; flags are SWP_* values.
    virtual bool SetWindowPos(HWND window, HWND insertAfter, int x, int y, int cx, int cy,
                              unsigned flags) = 0;
    // Whether SetWindowPos can move and size another program's window: a Wayland compositor
    // places windows itself.
    virtual bool CanPlaceWindows() { return true; }
    // SM_* screen and work-area metrics in pixels.
    virtual int GetSystemMetrics(int index) = 0;
    // Delivers a message to another program's window and waits (bounded) until it is handled.
    virtual long SendMessageA(HWND window, unsigned message, uintptr_t wParam, intptr_t lParam) = 0;
    // A modal message box (MB_* type); returns IDOK, IDYES or IDNO.
    virtual int MessageBoxA(QWidget* owner, const char* text, const char* caption,
                            unsigned type) = 0;
    // The desktop handle of one of the program's own top-level widgets.
    virtual HWND HandleOf(QWidget* topLevel) = 0;
    // Runs the handlers of every pending window message, then returns.
    virtual void ProcessMessages() = 0;
    // Calls `changed` on the UI thread whenever the window system announces that the foreground
    // window, or its title, may have changed; replaces the callback given before (none: stops).
    // The callback only takes note: it must not call back into the desktop.
    virtual void WatchForeground(std::function<void()> changed) = 0;
};

}  // namespace platform
