// Switch reaction of the real keyboard: with two switches, each press of the moving switch key
// makes one scanning step, which puts the pointer on the newly highlighted key. The time from
// sending the press (XTest) to the pointer's move, watched with XQueryPointer every tenth of a
// millisecond, is the time from the switch to the highlight's reaction, through the key's grab,
// the switch rules (all off here), the scan and the tree. Run it on a desktop, e.g. through
// tests/e2e/desktop.sh.
//
// Usage: bench_switch_reaction ORVALET [PRESSES]   (default 200)

#include <X11/keysym.h>

#include <QApplication>
#include <algorithm>
#include <chrono>
#include <cstdio>
#include <thread>
#include <vector>

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

const QByteArray kSettings =
    "[Quarnel Orvalet]\r\nLlengua=Catal\xE0\r\n"
    "[Commutador]\r\nCommutador=F12\r\nEscaneig=DosCommutadors\r\nAvancar=F11\r\n";

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

}  // namespace

int main(int argc, char** argv) {
    QApplication app(argc, argv);
    if (argc < 2) {
        std::fprintf(stderr, "usage: %s ORVALET [PRESSES]\n", argv[0]);
        return 2;
    }
    const int presses = argc > 2 ? std::max(1, atoi(argv[2])) : kDefaultPresses;
    XTestInput input;
    if (!input.Connected()) return Fail("no X display");

    e2e::OrvaletProcess::SetProgram(QString::fromLocal8Bit(argv[1]));
    e2e::OrvaletProcess keyboard({}, kSettings);
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
        input.Key(XK_F11, true);
        const double ms = UntilMoved(input, before, sent);
        std::this_thread::sleep_for(kHeld);
        input.Key(XK_F11, false);
        if (ms < 0) return Fail("a press of the moving switch did not move the highlight");
        if (i >= kWarmUp) reactions.push_back(ms);
        std::this_thread::sleep_for(kBetween);
    }
    std::sort(reactions.begin(), reactions.end());
    std::printf("switch press to highlight, every switch rule off, %zu presses:\n",
                reactions.size());
    std::printf("  median %.2f ms, p95 %.2f ms, max %.2f ms (target: p95 under 5 ms)\n",
                Percentile(reactions, 0.5), Percentile(reactions, 0.95), reactions.back());
    std::fflush(stdout);
    e2e::EndTheDesktop();
    return 0;
}
