#include <libevdev/libevdev-uinput.h>
#include <libevdev/libevdev.h>

#include <QAction>
#include <QElapsedTimer>
#include <QEventLoop>
#include <QTimer>
#include <cstdlib>
#include <cstring>
#include <functional>

#include "SwitchesFixture.h"
#include "platform/evdev/EvdevButtons.h"
#include "platform/evdev/InputDevices.h"

namespace {

using Texts = std::vector<std::string>;

constexpr const char* kGamepad = "Orvalet virtual gamepad";
constexpr int kWaitMs = 5000;
constexpr int kLookMs = 20;

// Waits in the event loop, so that the device's events are read, until the condition holds or
// the time is up.
bool WaitFor(const std::function<bool()>& condition) {
    QElapsedTimer waited;
    waited.start();
    while (!condition()) {
        if (waited.elapsed() > kWaitMs) return false;
        QEventLoop loop;
        QTimer::singleShot(kLookMs, &loop, &QEventLoop::quit);
        loop.exec();
    }
    return true;
}

// A gamepad made in the kernel through uinput, read by the keyboard through its real event
// device: what a switch interface that presents itself as a gamepad gives.
class SwitchButtonThroughTheKernel : public SwitchesFixture {
  protected:
    void TearDown() override {
        form.scanning->ReleaseSwitchKeys();
        if (gamepad_) libevdev_uinput_destroy(gamepad_);
        if (description_) libevdev_free(description_);
        SwitchesFixture::TearDown();
    }
    // The gamepad, or the reason it cannot be made here.
    std::string MakeGamepad() {
        // Whether it loads or not (built in, already loaded, not to be had), making the device
        // tells.
        [[maybe_unused]] const int loaded = std::system("modprobe uinput >/dev/null 2>&1");
        description_ = libevdev_new();
        libevdev_set_name(description_, kGamepad);
        libevdev_enable_event_type(description_, EV_KEY);
        libevdev_enable_event_code(description_, EV_KEY, BTN_SOUTH, nullptr);
        libevdev_enable_event_code(description_, EV_KEY, BTN_EAST, nullptr);
        const int error = libevdev_uinput_create_from_device(
            description_, LIBEVDEV_UINPUT_OPEN_MANAGED, &gamepad_);
        if (error < 0) {
            gamepad_ = nullptr;
            return std::string("no virtual input device can be made here (/dev/uinput: ") +
                   std::strerror(-error) + ")";
        }
        const bool listed = WaitFor([] {
            for (const auto& device :
                 platform::evdev::ListInputDevices("/sys/class/input", "/dev/input")) {
                if (device.name == kGamepad && std::filesystem::exists(device.node)) return true;
            }
            return false;
        });
        return listed ? "" : "the virtual gamepad never showed among the input devices";
    }
    void PressSouth() {
        for (int value : {1, 0}) {
            libevdev_uinput_write_event(gamepad_, EV_KEY, BTN_SOUTH, value);
            libevdev_uinput_write_event(gamepad_, EV_SYN, SYN_REPORT, 0);
        }
    }

    platform::evdev::EvdevButtons buttons;
    libevdev* description_ = nullptr;
    libevdev_uinput* gamepad_ = nullptr;
};

TEST_F(SwitchButtonThroughTheKernel, AGamepadButtonChoosesAKeyAndAnUnpluggedGamepadFallsBack) {
    if (const std::string problem = MakeGamepad(); !problem.empty()) GTEST_SKIP() << problem;
    form.scanning->UseSwitchButtons(buttons);
    scan::Switches switches;
    switches.buttonDevice = kGamepad;
    switches.chooseButton = "BTN_SOUTH";
    form.scanning->SetSwitches(switches);
    StartScanning();
    ASSERT_TRUE(form.MenuSwitchButton->isChecked()) << "the gamepad can be read";
    Steps(10);
    ASSERT_EQ(Highlighted(), "B");
    PressSouth();
    EXPECT_TRUE(WaitFor([&] { return OpenGroups() == Texts{"B"}; })) << "the press opened no group";
    desktop.ClearLog();
    libevdev_uinput_destroy(gamepad_);
    gamepad_ = nullptr;
    EXPECT_TRUE(WaitFor([&] { return form.MenuSwitchMouse->isChecked(); }))
        << "the mouse button chooses once the gamepad is gone";
    EXPECT_EQ(desktop.CallsNamed("MessageBoxA").size(), 1u);
}

}  // namespace
