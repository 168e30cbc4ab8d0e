#include "tests/support/TestDesktop.h"

#include <memory>

#include "platform/x11/X11Desktop.h"

namespace e2e {
namespace {

std::unique_ptr<platform::Desktop> desktop;
constexpr int kWaitLimitMs = 5000;
constexpr int kWaitStepMs = 20;

}  // namespace

platform::Desktop& TheDesktop() {
    if (!desktop) desktop = platform::CreateX11Desktop();
    return *desktop;
}

void EndTheDesktop() { desktop.reset(); }

bool WaitFor(const std::function<bool()>& condition) { return WaitFor(condition, kWaitLimitMs); }

bool WaitFor(const std::function<bool()>& condition, int limitMs) {
    for (int waited = 0; waited < limitMs; waited += kWaitStepMs) {
        if (condition()) return true;
        TheDesktop().WaitForMessages(kWaitStepMs);
    }
    return condition();
}

std::string TitleOf(platform::HWND window) {
    char title[255] = {};
    const int length = TheDesktop().GetWindowTextA(window, title, sizeof title);
    return std::string(title, static_cast<size_t>(length));
}

platform::HWND FindWindowTitled(const std::string& title) {
    platform::HWND found = 0;
    TheDesktop().EnumWindows([&](platform::HWND window) {
        if (TitleOf(window) == title) found = window;
        return found == 0;
    });
    return found;
}

}  // namespace e2e
