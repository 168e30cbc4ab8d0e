#pragma once

#include <chrono>
#include <functional>
#include <map>
#include <string>

#include "platform/DesktopParts.h"

namespace platform::gnome {

// A window as the accessibility bus names it: the bus name of its application's connection
// and the object path of its frame.
struct AccessibleRef {
    std::string bus;
    std::string path;
    auto operator<=>(const AccessibleRef&) const = default;
};

// What the windows need of the rest of the desktop.
struct WindowsSupport {
    // The handle of the program's own window that has the keyboard focus, or 0.
    std::function<HWND()> ownActive;
    // The handle of one of the program's own top-level widgets.
    std::function<HWND(QWidget*)> ownHandle;
    // Asks the compositor to give the focus to the window so many places back in the order
    // of the last activations (1: the one before the window in front).
    std::function<void(int places)> switchBack;
    // Handles events until the condition holds or the time is up; whether it holds.
    std::function<bool(const std::function<bool()>&, std::chrono::milliseconds)> waitUntil;
    // The first screen, in logical pixels.
    std::function<Rect()> screen;
    // Asks the bus for the window's name again; the answer comes later, as a rename. Not every
    // toolkit tells when a title changes: Qt does not.
    std::function<void(const AccessibleRef&)> refreshTitle;
};

// The session's windows as the accessibility bus tells of them: the one in front follows
// the applications' window:activate events, titles their frames' names. GNOME lets no client
// place, size or raise another's window; the focus goes to another window only by cycling
// through the windows from the last activated, as Alt + Escape does.
class AccessibleWindows final : public WindowSystem {
  public:
    explicit AccessibleWindows(WindowsSupport support) : support_(std::move(support)) {}

    // What the accessibility bus tells. The shell's own frames (its overview, its window
    // switcher while Alt + Escape is down) are no windows to type into or to come back to.
    void Activated(const AccessibleRef& window, const std::string& title,
                   const std::string& application);
    void Deactivated(const AccessibleRef& window);
    void Renamed(const AccessibleRef& window, const std::string& title);
    void Destroyed(const AccessibleRef& window);
    // The application's connection has left the bus, and its windows with it.
    void ApplicationGone(const std::string& bus);
    // One of the program's own windows has taken the focus.
    void OwnActivated();

    // Whether keys would reach a window of another program that the bus has told of.
    bool ReceivingWindowKnown();

    HWND GetForegroundWindow() override;
    bool BringWindowToTop(HWND window) override;
    bool IsWindow(HWND window) override { return windows_.count(window) != 0; }
    bool SetWindowNoActivate(HWND /*window*/, bool /*noActivate*/) override { return false; }
    // The one in front first, then the others from the last activated.
    void EnumWindows(const std::function<bool(HWND)>& callback) override;
    // The title last heard; it is asked for again, for the next time.
    int GetWindowTextA(HWND window, char* buffer, int size) override;
    int GetClassNameA(HWND window, char* buffer, int size) override;
    // GNOME tells no client where the others' windows are.
    bool GetWindowRect(HWND /*window*/, Rect* /*rect*/) override { return false; }
    bool SetWindowPos(HWND, int, int, int, int, unsigned) override { return false; }
    bool CanPlaceWindows() override { return false; }
    int GetSystemMetrics(int index) override;
    void WatchForeground(std::function<void()> changed) override { changed_ = std::move(changed); }
    HWND HandleOf(QWidget* topLevel) override { return support_.ownHandle(topLevel); }

  private:
    struct Window {
        AccessibleRef ref;
        std::string title;
        std::string application;
        uint64_t activation = 0;
    };
    HWND Find(const AccessibleRef& ref) const;
    void Changed() const;

    WindowsSupport support_;
    std::map<HWND, Window> windows_;
    HWND active_ = 0;
    HWND nextHandle_ = 1;
    uint64_t activations_ = 0;
    // When one of the program's own windows last took the focus; 0 before.
    uint64_t ownActivation_ = 0;
    std::function<void()> changed_;
};

}  // namespace platform::gnome
