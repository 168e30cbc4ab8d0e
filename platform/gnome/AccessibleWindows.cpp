#include "platform/gnome/AccessibleWindows.h"

#include <QString>
#include <algorithm>
#include <string_view>
#include <vector>

#include "platform/Constants.h"
#include "platform/Cp1252.h"

namespace platform::gnome {
namespace {

using namespace std::chrono_literals;

// How long mutter may take to give the focus back; it takes a few milliseconds.
constexpr auto kActivationLimit = 500ms;
// The application name of GNOME Shell on the accessibility bus.
constexpr std::string_view kShell = "gnome-shell";

}  // namespace

HWND AccessibleWindows::Find(const AccessibleRef& ref) const {
    for (const auto& [handle, window] : windows_) {
        if (window.ref == ref) return handle;
    }
    return 0;
}

void AccessibleWindows::Changed() const {
    if (changed_) changed_();
}

void AccessibleWindows::Activated(const AccessibleRef& ref, const std::string& title,
                                  const std::string& application) {
    if (application == kShell) return;
    HWND handle = Find(ref);
    if (handle == 0) handle = nextHandle_++;
    windows_[handle] = Window{ref, title, application, ++activations_};
    active_ = handle;
    Changed();
}

void AccessibleWindows::Deactivated(const AccessibleRef& ref) {
    if (active_ == 0 || Find(ref) != active_) return;
    active_ = 0;
    Changed();
}

void AccessibleWindows::Renamed(const AccessibleRef& ref, const std::string& title) {
    const HWND handle = Find(ref);
    if (handle == 0 || windows_[handle].title == title) return;
    windows_[handle].title = title;
    if (handle == active_) Changed();
}

void AccessibleWindows::Destroyed(const AccessibleRef& ref) {
    const HWND handle = Find(ref);
    if (handle == 0) return;
    windows_.erase(handle);
    if (handle == active_) {
        active_ = 0;
        Changed();
    }
}

void AccessibleWindows::ApplicationGone(const std::string& bus) {
    std::vector<HWND> gone;
    for (const auto& [handle, window] : windows_) {
        if (window.ref.bus == bus) gone.push_back(handle);
    }
    for (HWND handle : gone) Destroyed(windows_[handle].ref);
}

void AccessibleWindows::OwnActivated() { ownActivation_ = ++activations_; }

bool AccessibleWindows::ReceivingWindowKnown() { return support_.ownActive() == 0 && active_ != 0; }

HWND AccessibleWindows::GetForegroundWindow() {
    if (const HWND own = support_.ownActive(); own != 0) return own;
    return active_;
}

bool AccessibleWindows::BringWindowToTop(HWND window) {
    if (!IsWindow(window)) return false;
    const auto inFront = [&] { return support_.ownActive() == 0 && active_ == window; };
    if (inFront()) return true;
    // A click on the keyboard has just taken the focus, or another window has: the window
    // comes back by as many places as windows have been activated since.
    const uint64_t since = windows_[window].activation;
    int places = ownActivation_ > since ? 1 : 0;
    for (const auto& [handle, other] : windows_) {
        if (other.activation > since) ++places;
    }
    support_.switchBack(std::max(places, 1));
    return support_.waitUntil(inFront, kActivationLimit);
}

void AccessibleWindows::EnumWindows(const std::function<bool(HWND)>& callback) {
    std::vector<std::pair<uint64_t, HWND>> order;
    for (const auto& [handle, window] : windows_) order.emplace_back(window.activation, handle);
    std::sort(order.rbegin(), order.rend());
    for (const auto& [activation, handle] : order) {
        if (!callback(handle)) return;
    }
}

int AccessibleWindows::GetWindowTextA(HWND window, char* buffer, int size) {
    const auto found = windows_.find(window);
    if (found == windows_.end()) return CopyUtf8ToBuffer(std::string(), buffer, size);
    if (support_.refreshTitle) support_.refreshTitle(found->second.ref);
    return CopyUtf8ToBuffer(found->second.title, buffer, size);
}

int AccessibleWindows::GetClassNameA(HWND window, char* buffer, int size) {
    const auto found = windows_.find(window);
    return CopyUtf8ToBuffer(found != windows_.end() ? found->second.application : std::string(),
                            buffer, size);
}

int AccessibleWindows::GetSystemMetrics(int index) {
    const Rect screen = support_.screen();
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

}  // namespace platform::gnome
