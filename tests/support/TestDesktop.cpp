#include "tests/support/TestDesktop.h"

#include <QProcess>
#include <memory>
#include <sstream>

#include "platform/session/SessionDesktop.h"

namespace e2e {
namespace {

std::unique_ptr<platform::Desktop> desktop;
bool onWayland = false;
constexpr int kWaitLimitMs = 5000;
constexpr int kWaitStepMs = 20;

}  // namespace

platform::Desktop& TheDesktop() {
    if (!desktop) {
        // On a compositor the tests see the desktop as the keyboard does there.
        const platform::Backend backend =
            platform::ChooseBackend(platform::ReadSessionFacts()).backend;
        onWayland = backend != platform::Backend::X11 && backend != platform::Backend::XWayland;
        desktop = platform::CreateDesktop(backend);
    }
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

bool OnScreen(platform::HWND window) {
    TheDesktop();
    if (onWayland) return true;
    QProcess xwininfo;
    xwininfo.start("xwininfo", {"-id", QString::number(window)});
    xwininfo.waitForFinished();
    return xwininfo.readAllStandardOutput().contains("IsViewable");
}

std::string DescribeWindows() {
    std::ostringstream text;
    TheDesktop().EnumWindows([&](platform::HWND window) {
        platform::Rect frame;
        TheDesktop().GetWindowRect(window, &frame);
        text << '"' << TitleOf(window) << "\" (" << frame.left << ',' << frame.top << ")-("
             << frame.right << ',' << frame.bottom << ")\n";
        return true;
    });
    return text.str();
}

}  // namespace e2e
