#pragma once

#include <cstdint>
#include <functional>

#include "platform/Types.h"

class QWidget;

namespace platform {

// The parts a window system supplies to the shared desktop (qt/PartsDesktop.h), which answers
// every other operation the same way on every backend. Each method has the meaning of the
// desktop operation of the same name (Windows.h, Keyboard.h).

// The top-level windows of the session.
class WindowSystem {
  public:
    virtual ~WindowSystem() = default;
    virtual HWND GetForegroundWindow() = 0;
    virtual bool BringWindowToTop(HWND window) = 0;
    virtual bool IsWindow(HWND window) = 0;
    virtual bool SetWindowNoActivate(HWND window, bool noActivate) = 0;
    virtual void EnumWindows(const std::function<bool(HWND)>& callback) = 0;
    virtual int GetWindowTextA(HWND window, char* buffer, int size) = 0;
    virtual int GetClassNameA(HWND window, char* buffer, int size) = 0;
    virtual bool GetWindowRect(HWND window, Rect* rect) = 0;
    // Moves and sizes the window, always to the top of the others.
    virtual bool SetWindowPos(HWND window, int x, int y, int cx, int cy, unsigned flags) = 0;
    virtual bool CanPlaceWindows() = 0;
    virtual int GetSystemMetrics(int index) = 0;
    virtual void WatchForeground(std::function<void()> changed) = 0;
    virtual HWND HandleOf(QWidget* topLevel) = 0;
};

// Synthesised keys; the scan code and the extra information of keybd_event are Windows' own
// and no backend needs them.
class KeySender {
  public:
    virtual ~KeySender() = default;
    virtual void keybd_event(uint8_t vk, unsigned flags) = 0;
    virtual int16_t VkKeyScanA(char character) = 0;
    virtual bool SpanishLayoutActive() = 0;
    virtual bool TypeCharacter(char character) = 0;
};

// Messages to other programs' windows, where the window system carries them.
class WindowMessages {
  public:
    virtual ~WindowMessages() = default;
    virtual long SendMessageA(HWND window, unsigned message, uintptr_t wParam, intptr_t lParam) = 0;
};

}  // namespace platform
