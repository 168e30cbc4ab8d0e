#pragma once

#include "platform/DesktopParts.h"
#include "platform/wayland/Outputs.h"
#include "platform/wayland/OwnWindows.h"
#include "platform/wayland/ToplevelList.h"
#include "platform/wayland/WaylandConnection.h"

namespace platform::wayland {

// The session's windows as a Wayland compositor lets a client see them: listed, named and
// activated, but placed and sized by the compositor alone.
class CompositorWindows final : public WindowSystem {
  public:
    CompositorWindows(WaylandConnection& connection, ToplevelList& toplevels,
                      const OwnWindows& ownWindows, const Outputs& outputs)
        : connection_(connection),
          toplevels_(toplevels),
          ownWindows_(ownWindows),
          outputs_(outputs) {}

    HWND GetForegroundWindow() override { return toplevels_.Active(); }
    bool BringWindowToTop(HWND window) override;
    bool IsWindow(HWND window) override { return toplevels_.Find(window) != nullptr; }
    // A Wayland client cannot keep a click from activating its window; the keyboard gives the
    // focus back to the receiving window before it types instead.
    bool SetWindowNoActivate(HWND /*window*/, bool /*noActivate*/) override { return false; }
    void EnumWindows(const std::function<bool(HWND)>& callback) override;
    int GetWindowTextA(HWND window, char* buffer, int size) override;
    int GetClassNameA(HWND window, char* buffer, int size) override;
    bool GetWindowRect(HWND window, Rect* rect) override;
    // The compositor places and sizes windows itself.
    bool SetWindowPos(HWND, int, int, int, int, unsigned) override { return false; }
    bool CanPlaceWindows() override { return false; }
    int GetSystemMetrics(int index) override;
    void WatchForeground(std::function<void()> changed) override {
        toplevels_.OnActiveChange(std::move(changed));
    }
    HWND HandleOf(QWidget* topLevel) override { return ownWindows_.HandleOf(topLevel); }

  private:
    WaylandConnection& connection_;
    ToplevelList& toplevels_;
    const OwnWindows& ownWindows_;
    const Outputs& outputs_;
};

}  // namespace platform::wayland
