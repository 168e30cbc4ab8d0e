#include <gtest/gtest.h>

#include <QApplication>
#include <memory>

#include "platform/x11/X11Desktop.h"
#include "tests/e2e/TestDesktop.h"

namespace e2e {
namespace {

std::unique_ptr<platform::Desktop> desktop;
constexpr int kWaitLimitMs = 5000;
constexpr int kWaitStepMs = 20;

}  // namespace

platform::Desktop& TheDesktop() { return *desktop; }

bool WaitFor(const std::function<bool()>& condition) { return WaitFor(condition, kWaitLimitMs); }

bool WaitFor(const std::function<bool()>& condition, int limitMs) {
    for (int waited = 0; waited < limitMs; waited += kWaitStepMs) {
        if (condition()) return true;
        desktop->WaitForMessages(kWaitStepMs);
    }
    return condition();
}

std::string TitleOf(platform::HWND window) {
    char title[255] = {};
    const int length = desktop->GetWindowTextA(window, title, sizeof title);
    return std::string(title, static_cast<size_t>(length));
}

}  // namespace e2e

int main(int argc, char** argv) {
    QApplication app(argc, argv);
    testing::InitGoogleTest(&argc, argv);
    e2e::desktop = platform::CreateX11Desktop();
    const int status = RUN_ALL_TESTS();
    e2e::desktop.reset();
    return status;
}
