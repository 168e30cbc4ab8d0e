#include "platform/wayland/CompositorWindows.h"

#include <QString>
#include <algorithm>
#include <chrono>
#include <string>

#include "platform/Constants.h"
#include "platform/Cp1252.h"

namespace platform::wayland {
namespace {

using namespace std::chrono_literals;

// How long a compositor may take to activate a window; sway and KWin take a few milliseconds.
constexpr auto kActivationLimit = 500ms;
// A window takes keys only once its toolkit has applied the activation, a moment after the
// compositor reports it active (Qt applies it with the window's next configure). Keys sent at
// once were lost: a "y" on a busy sway, the dead key of "À" on KWin even on an idle machine.
constexpr auto kActivationSettle = 40ms;

}  // namespace

bool CompositorWindows::BringWindowToTop(HWND window) {
    // A click on the keyboard may have taken the activation a moment ago, and the toolkit may
    // have heard of the click before this connection heard of the activation.
    connection_.Roundtrip();
    if (toplevels_.Find(window) == nullptr) return false;
    if (toplevels_.Active() == window) return true;
    toplevels_.Activate(window);
    // Keys sent before the compositor has moved the focus would go to the old window.
    if (!connection_.WaitUntil([&] { return toplevels_.Active() == window; }, kActivationLimit)) {
        return false;
    }
    connection_.WaitUntil([] { return false; }, kActivationSettle);
    return true;
}

void CompositorWindows::EnumWindows(const std::function<bool(HWND)>& callback) {
    toplevels_.Each([&](HWND window, const Toplevel&) { return callback(window); });
}

int CompositorWindows::GetWindowTextA(HWND window, char* buffer, int size) {
    const Toplevel* toplevel = toplevels_.Find(window);
    return CopyUtf8ToBuffer(toplevel != nullptr ? toplevel->title : std::string(), buffer, size);
}

int CompositorWindows::GetClassNameA(HWND window, char* buffer, int size) {
    const Toplevel* toplevel = toplevels_.Find(window);
    return CopyUtf8ToBuffer(toplevel != nullptr ? toplevel->appId : std::string(), buffer, size);
}

bool CompositorWindows::GetWindowRect(HWND window, Rect* rect) {
    const std::optional<Rect> bounds = toplevels_.Bounds(window);
    if (!bounds || rect == nullptr) return false;
    *rect = *bounds;
    return true;
}

int CompositorWindows::GetSystemMetrics(int index) {
    const Rect screen = outputs_.First();
    switch (index) {
        case SM_CXSCREEN:
        case SM_CXMAXIMIZED:
            return screen.right - screen.left;
        case SM_CYSCREEN:
        case SM_CYMAXIMIZED:
            return screen.bottom - screen.top;
        default:
            return 0;
    }
}

}  // namespace platform::wayland
