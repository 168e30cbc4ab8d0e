// Switch reaction of the real keyboard: with two switches, each press of the moving switch key
// makes one scanning step, which puts the pointer on the newly highlighted key. The time from
// sending the press (XTest) to the pointer's move, watched with XQueryPointer every tenth of a
// millisecond, is the time from the switch to the highlight's reaction, through the key's grab,
// the switch rules (all off here), the scan and the tree. With --joystick the switches are two
// buttons of a gamepad made through uinput, read by the keyboard from the kernel's event device;
// where no virtual device can be made, it says so and measures nothing. Run it on a desktop,
// e.g. through tests/e2e/desktop.sh.
//
// Usage: bench_switch_reaction ORVALET [PRESSES] [--joystick]   (default 200 presses)

#include <X11/keysym.h>
#include <libevdev/libevdev-uinput.h>
#include <libevdev/libevdev.h>

#include <QApplication>
#include <algorithm>
#include <chrono>
#include <cstdio>
#include <cstring>
#include <filesystem>
#include <functional>
#include <memory>
#include <string>
#include <thread>
#include <vector>

#include "platform/evdev/InputDevices.h"
#include "tests/support/OrvaletProcess.h"
#include "tests/support/TestDesktop.h"
#include "tests/support/XTestInput.h"

namespace {

using Clock = std::chrono::steady_clock;

constexpr int kDefaultPresses = 200;
constexpr auto kPoll = std::chrono::microseconds(100);
constexpr int kLimitMs = 10000;
// A person's press is held a moment, and the next comes after the highlight has moved.
constexpr auto kHeld = std::chrono::milliseconds(40);
constexpr auto kBetween = std::chrono::milliseconds(60);
constexpr int kRightButton = 3;
// Presses before the measured ones, while the keyboard's caches warm up.
constexpr int kWarmUp = 10;

const QByteArray kKeySettings =
    "[Quarnel Orvalet]\r\nLlengua=Catal\xE0\r\n"
    "[Commutador]\r\nCommutador=F12\r\nEscaneig=DosCommutadors\r\nAvancar=F11\r\n";
constexpr const char* kGamepad = "Orvalet bench gamepad";
const QByteArray kJoystickSettings =
    "[Quarnel Orvalet]\r\nLlengua=Catal\xE0\r\n"
    "[Commutador]\r\nCommutador=Joystick\r\nDispositiu=Orvalet bench gamepad\r\n"
    "Boto=BTN_SOUTH\r\nEscaneig=DosCommutadors\r\nBoto avancar=BTN_EAST\r\n";

using e2e::Point;
using e2e::XTestInput;

// Polls the pointer; the time until it has moved, in milliseconds, or a negative number.
double UntilMoved(const XTestInput& input, Point from, Clock::time_point since) {
    const Clock::time_point deadline = since + std::chrono::milliseconds(kLimitMs);
    while (Clock::now() < deadline) {
        if (!(input.Where() == from)) {
            return std::chrono::duration<double, std::milli>(Clock::now() - since).count();
        }
        std::this_thread::sleep_for(kPoll);
    }
    return -1;
}

double Percentile(const std::vector<double>& sorted, double share) {
    const auto at = static_cast<size_t>(share * static_cast<double>(sorted.size() - 1) + 0.5);
    return sorted[std::min(at, sorted.size() - 1)];
}

int Fail(const char* why) {
    std::fprintf(stderr, "bench_switch_reaction: %s\n", why);
    return 1;
}

// A gamepad with two buttons, made in the kernel through uinput for as long as it lives.
class VirtualGamepad {
  public:
    VirtualGamepad() : description_(libevdev_new()) {
        libevdev_set_name(description_, kGamepad);
        libevdev_enable_event_type(description_, EV_KEY);
        libevdev_enable_event_code(description_, EV_KEY, BTN_SOUTH, nullptr);
        libevdev_enable_event_code(description_, EV_KEY, BTN_EAST, nullptr);
        const int error = libevdev_uinput_create_from_device(
            description_, LIBEVDEV_UINPUT_OPEN_MANAGED, &device_);
        if (error < 0) {
            device_ = nullptr;
            problem_ = std::string("no virtual gamepad can be made here (/dev/uinput: ") +
                       std::strerror(-error) + ")";
        }
    }
    ~VirtualGamepad() {
        if (device_) libevdev_uinput_destroy(device_);
        libevdev_free(description_);
    }
    // Empty once the gamepad is there.
    const std::string& Problem() const { return problem_; }
    bool Listed() const {
        for (const auto& device :
             platform::evdev::ListInputDevices("/sys/class/input", "/dev/input")) {
            if (device.name == kGamepad && std::filesystem::exists(device.node)) return true;
        }
        return false;
    }
    void Button(int code, bool down) {
        libevdev_uinput_write_event(device_, EV_KEY, code, down ? 1 : 0);
        libevdev_uinput_write_event(device_, EV_SYN, SYN_REPORT, 0);
    }

  private:
    libevdev* description_;
    libevdev_uinput* device_ = nullptr;
    std::string problem_;
};

}  // namespace

int main(int argc, char** argv) {
    QApplication app(argc, argv);
    if (argc < 2) {
        std::fprintf(stderr, "usage: %s ORVALET [PRESSES]\n", argv[0]);
        return 2;
    }
    const int presses = argc > 2 ? std::max(1, atoi(argv[2])) : kDefaultPresses;
    const bool joystick = argc > 3 && std::string(argv[3]) == "--joystick";
    XTestInput input;
    if (!input.Connected()) return Fail("no X display");

    std::unique_ptr<VirtualGamepad> gamepad;
    std::function<void(bool down)> moveSwitch = [&input](bool down) { input.Key(XK_F11, down); };
    if (joystick) {
        gamepad = std::make_unique<VirtualGamepad>();
        if (!gamepad->Problem().empty()) {
            std::printf("joystick switch press to highlight: not measured, %s\n",
                        gamepad->Problem().c_str());
            return 0;
        }
        const Clock::time_point deadline = Clock::now() + std::chrono::milliseconds(kLimitMs);
        while (!gamepad->Listed()) {
            if (Clock::now() > deadline) return Fail("the virtual gamepad never showed");
            std::this_thread::sleep_for(kBetween);
        }
        moveSwitch = [&gamepad](bool down) { gamepad->Button(BTN_EAST, down); };
    }

    e2e::OrvaletProcess::SetProgram(QString::fromLocal8Bit(argv[1]));
    e2e::OrvaletProcess keyboard({}, joystick ? kJoystickSettings : kKeySettings);
    if (!keyboard.WaitForMainWindow()) return Fail("the keyboard's window did not appear");
    e2e::TheDesktop().WaitForMessages(1000);
    platform::Rect frame;
    if (!e2e::TheDesktop().GetWindowRect(keyboard.window(), &frame))
        return Fail("the keyboard's frame is unknown");

    // The right button on the tree switches scanning on: the pointer goes to the first key.
    const Point onTree{(frame.left + frame.right) / 2, frame.bottom - 60};
    input.Click(onTree, kRightButton);
    if (UntilMoved(input, onTree, Clock::now()) < 0) return Fail("scanning did not start");
    std::this_thread::sleep_for(kBetween);

    std::vector<double> reactions;
    for (int i = 0; i < kWarmUp + presses; ++i) {
        const Point before = input.Where();
        const Clock::time_point sent = Clock::now();
        moveSwitch(true);
        const double ms = UntilMoved(input, before, sent);
        std::this_thread::sleep_for(kHeld);
        moveSwitch(false);
        if (ms < 0) return Fail("a press of the moving switch did not move the highlight");
        if (i >= kWarmUp) reactions.push_back(ms);
        std::this_thread::sleep_for(kBetween);
    }
    std::sort(reactions.begin(), reactions.end());
    std::printf("%s switch press to highlight, every switch rule off, %zu presses:\n",
                joystick ? "joystick" : "key", reactions.size());
    std::printf("  median %.2f ms, p95 %.2f ms, max %.2f ms (target: p95 under 5 ms)\n",
                Percentile(reactions, 0.5), Percentile(reactions, 0.95), reactions.back());
    std::fflush(stdout);
    e2e::EndTheDesktop();
    return 0;
}
