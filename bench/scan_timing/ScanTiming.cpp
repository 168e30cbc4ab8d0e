// Scanning rhythm of the real keyboard: the scan moves the pointer onto each highlighted key,
// so the intervals between pointer moves, watched with XQueryPointer every millisecond, are
// the intervals between highlight moves. Measured at the default step of 1200 ms and, after
// turning the step box down to 1 with the mouse wheel, at 100 ms; with the CPU the keyboard
// process uses meanwhile. Run it on a desktop, e.g. through tests/e2e/desktop.sh.
//
// Usage: bench_scan_timing ORVALET [STEPS]   (default 100 at each step time)

#include <unistd.h>

#include <QApplication>
#include <algorithm>
#include <chrono>
#include <cmath>
#include <cstdio>
#include <fstream>
#include <sstream>
#include <string>
#include <thread>
#include <vector>

#include "tests/support/OrvaletProcess.h"
#include "tests/support/TestDesktop.h"
#include "tests/support/XTestInput.h"

namespace {

using Clock = std::chrono::steady_clock;

constexpr int kDefaultSteps = 100;
constexpr int kDefaultStepMs = 1200;
constexpr int kShortStepMs = 100;
// The step box counts tenths of a second from 12 down to its least value, 1.
constexpr int kWheelNotchesToShortStep = 11;
constexpr int kCpuWindowSeconds = 60;
constexpr auto kPoll = std::chrono::milliseconds(1);
// Moves left to pass after a change of step time before intervals count.
constexpr int kSettlingMoves = 3;
constexpr int kSetUpLimitMs = 10000;
constexpr int kRightButton = 3;
constexpr int kWheelDown = 5;
// The step box, from the first key's place: the toolbar lies just above the tree.
constexpr int kStepBoxRight = 145;
constexpr int kStepBoxUp = 24;

using e2e::Point;
using e2e::XTestInput;

// CPU time (user and system) the process has used so far.
double CpuMs(qint64 pid) {
    std::ifstream stat("/proc/" + std::to_string(pid) + "/stat");
    std::string content((std::istreambuf_iterator<char>(stat)), {});
    std::istringstream fields(content.substr(content.rfind(')') + 2));
    std::string skip;
    for (int i = 0; i < 11; ++i) fields >> skip;
    long utime = 0, stime = 0;
    fields >> utime >> stime;
    return (utime + stime) * 1000.0 / sysconf(_SC_CLK_TCK);
}

// Polls the pointer every millisecond; returns when it has moved, with the time of the move.
bool WaitForMove(const XTestInput& mouse, Clock::time_point* when, int limitMs = kSetUpLimitMs) {
    const Point start = mouse.Where();
    const Clock::time_point deadline = Clock::now() + std::chrono::milliseconds(limitMs);
    while (Clock::now() < deadline) {
        std::this_thread::sleep_for(kPoll);
        if (!(mouse.Where() == start)) {
            *when = Clock::now();
            return true;
        }
    }
    return false;
}

struct Run {
    std::vector<double> intervals;
    double cpuPercent = -1;
    double cpuSeconds = 0;
};

// Times `steps` intervals between moves; the CPU is sampled over the first minute (or the
// whole run when it is shorter).
bool RecordSteps(const XTestInput& mouse, qint64 pid, int steps, int stepMs, Run* run) {
    Clock::time_point last;
    for (int i = 0; i < kSettlingMoves; ++i) {
        if (!WaitForMove(mouse, &last, 3 * stepMs)) return false;
    }
    const Clock::time_point cpuStart = last;
    const double cpuBefore = CpuMs(pid);
    for (int i = 0; i < steps; ++i) {
        Clock::time_point now;
        if (!WaitForMove(mouse, &now, 3 * stepMs)) return false;
        run->intervals.push_back(std::chrono::duration<double, std::milli>(now - last).count());
        last = now;
        const double seconds = std::chrono::duration<double>(now - cpuStart).count();
        if (run->cpuPercent < 0 && (seconds >= kCpuWindowSeconds || i == steps - 1)) {
            run->cpuSeconds = seconds;
            run->cpuPercent = (CpuMs(pid) - cpuBefore) / (seconds * 10.0);
        }
    }
    return true;
}

void Report(const char* what, int stepMs, Run run) {
    std::vector<double> deviations;
    for (double interval : run.intervals) deviations.push_back(std::fabs(interval - stepMs));
    std::sort(run.intervals.begin(), run.intervals.end());
    std::sort(deviations.begin(), deviations.end());
    const size_t middle = run.intervals.size() / 2;
    std::printf("%s, step %d ms, %zu steps:\n", what, stepMs, run.intervals.size());
    std::printf(
        "  interval median %.1f ms (min %.1f, max %.1f); deviation median %.1f ms, "
        "worst %.1f ms\n",
        run.intervals[middle], run.intervals.front(), run.intervals.back(), deviations[middle],
        deviations.back());
    std::printf("  keyboard CPU while scanning: %.2f %% over %.0f s\n", run.cpuPercent,
                run.cpuSeconds);
}

int Fail(const char* why) {
    std::fprintf(stderr, "bench_scan_timing: %s\n", why);
    return 1;
}

}  // namespace

int main(int argc, char** argv) {
    QApplication app(argc, argv);
    if (argc < 2) {
        std::fprintf(stderr, "usage: %s ORVALET [STEPS]\n", argv[0]);
        return 2;
    }
    const int steps = argc > 2 ? std::max(1, atoi(argv[2])) : kDefaultSteps;
    XTestInput mouse;
    if (!mouse.Connected()) return Fail("no X display");

    e2e::OrvaletProcess::SetProgram(QString::fromLocal8Bit(argv[1]));
    e2e::OrvaletProcess keyboard;
    if (!keyboard.WaitForMainWindow()) return Fail("the keyboard's window did not appear");
    e2e::TheDesktop().WaitForMessages(1000);
    platform::Rect frame;
    if (!e2e::TheDesktop().GetWindowRect(keyboard.window(), &frame))
        return Fail("the keyboard's frame is unknown");

    // The right button on the tree switches scanning on; the scan starts on the first key.
    const Point onTree{(frame.left + frame.right) / 2, frame.bottom - 60};
    mouse.Click(onTree, kRightButton);
    Clock::time_point moved;
    if (!WaitForMove(mouse, &moved)) return Fail("scanning did not start");
    const Point firstKey = mouse.Where();

    Run slow;
    if (!RecordSteps(mouse, keyboard.pid(), steps, kDefaultStepMs, &slow)) {
        return Fail("the scan stopped at the default step");
    }
    Report("default step", kDefaultStepMs, slow);

    // Right after a move the scan leaves the pointer alone for a whole step.
    if (!WaitForMove(mouse, &moved)) return Fail("the scan stopped");
    mouse.Click({firstKey.x + kStepBoxRight, firstKey.y - kStepBoxUp}, kWheelDown,
                kWheelNotchesToShortStep);
    Run fast;
    if (!RecordSteps(mouse, keyboard.pid(), steps, kShortStepMs, &fast)) {
        return Fail("the scan stopped at the short step");
    }
    Report("least step", kShortStepMs, fast);
    std::fflush(stdout);
    e2e::EndTheDesktop();
    return 0;
}
