// Click latency on a wlroots compositor: how long a left click on a key of the real keyboard
// takes, from the release of the button (Orvalet's keys act on a click), to arrive as a
// character in a native Wayland text window. The text window belongs to this bench and the
// click is sent with a virtual pointer on the bench's own connection, so both ends are
// timestamped in-process on one clock. Before each click the text window is made active
// again, as a user working in it would. In the same run it times the floor, a key sent with a
// virtual keyboard straight to the text window. Run it on a compositor, e.g. through
// tests/e2e/sway-session.sh.
//
// Usage: bench_wayland_click_latency ORVALET [PRESSES]   (default 100)

#include <QApplication>
#include <QElapsedTimer>
#include <QEventLoop>
#include <QPlainTextEdit>
#include <QTimer>
#include <algorithm>
#include <cstdio>
#include <functional>
#include <optional>
#include <vector>

#include "platform/Constants.h"
#include "tests/support/OrvaletProcess.h"
#include "tests/support/PointerClicks.h"
#include "tests/support/TestDesktop.h"
#include "tests/support/WaylandInput.h"

namespace {

constexpr int kDefaultPresses = 100;
// Clicks before measuring, so that first-use costs do not count.
constexpr int kWarmUp = 5;
constexpr int kArrivalLimitMs = 2000;
constexpr int kSetUpLimitMs = 10000;
// Longer than the double-click interval, so that every click is a single click.
constexpr int kBetweenClicksMs = 500;
// A person holds the button down about this long; the key acts on the release.
constexpr int kHoldMs = 60;
// Long enough for the restart that puts the pointer on the first key, and well within the
// first step of 1.2 seconds, which would move it on.
constexpr int kScanStartMs = 500;
// The key Y, counted from the top of the tree with every group closed.
constexpr int kYRow = 32;
constexpr int kLeftButton = 1;
constexpr int kRightButton = 3;
constexpr uint8_t kVkY = 'Y';
constexpr const char* kReceiverTitle = "click latency receiver";

using e2e::TheDesktop;
using e2e::WaylandInput;

// One press and release of a key, by whatever means: the press, then the release.
struct Press {
    std::function<void()> down;
    std::function<void()> up;
};

// Scanning, switched on and off with the right button, puts the pointer on the first key at
// (20, 4) of the tree's client area; the key Y is reached from there.
bool PointAtKeyY(WaylandInput& input, platform::HWND keyboard) {
    platform::Rect frame;
    if (!e2e::WaitFor([&] { return TheDesktop().GetWindowRect(keyboard, &frame); },
                      kSetUpLimitMs)) {
        return false;
    }
    input.MoveTo({(frame.left + frame.right) / 2, frame.bottom - 60});
    input.Click(kRightButton);
    TheDesktop().WaitForMessages(kScanStartMs);
    input.Click(kRightButton);
    const int rowHeight = e2e::RowHeight();
    input.MoveBy(40 - 20, kYRow * rowHeight + rowHeight / 2 - 4);
    return true;
}

// Makes the text window active, waits until the keyboard is ready for it, then presses and
// releases after a person's hold; the time runs from the release, or from the press when the
// character came during the hold. Negative when it never came.
double TimeOne(QPlainTextEdit& editor, const Press& press, const std::function<void()>& ready) {
    platform::Desktop& desktop = TheDesktop();
    desktop.BringWindowToTop(desktop.HandleOf(&editor));
    ready();
    QEventLoop loop;
    QElapsedTimer clock;
    double ms = -1;
    const auto changed = QObject::connect(&editor, &QPlainTextEdit::textChanged, [&] {
        if (ms < 0) ms = clock.nsecsElapsed() / 1e6;
        loop.quit();
    });
    clock.start();
    press.down();
    QTimer::singleShot(kHoldMs, &loop, &QEventLoop::quit);
    loop.exec();
    const double heldMs = clock.nsecsElapsed() / 1e6;
    const bool onThePress = ms >= 0;
    press.up();
    if (!onThePress) {
        QTimer::singleShot(kArrivalLimitMs, &loop, &QEventLoop::quit);
        loop.exec();
        if (ms >= 0) ms -= heldMs;
    }
    QObject::disconnect(changed);
    desktop.WaitForMessages(kBetweenClicksMs);
    // Keep the text short so the editor's own work stays the same for every press.
    if (editor.document()->characterCount() > 100) {
        const QSignalBlocker quiet(&editor);
        editor.clear();
    }
    return ms;
}

double Percentile(const std::vector<double>& sorted, double fraction) {
    return sorted[static_cast<size_t>(fraction * static_cast<double>(sorted.size() - 1))];
}

// Times a number of presses after a warm-up and prints the figures; returns how many were
// lost.
int Measure(const char* what, int presses, QPlainTextEdit& editor, const Press& press,
            const std::function<void()>& ready) {
    std::vector<double> times;
    int lost = 0;
    for (int i = 0; i < kWarmUp + presses; ++i) {
        const double ms = TimeOne(editor, press, ready);
        if (i < kWarmUp) continue;
        if (ms >= 0) times.push_back(ms);
        if (ms < 0) ++lost;
    }
    std::printf("%s, %zu presses (%d lost):\n", what, times.size(), lost);
    if (times.empty()) return lost;
    std::sort(times.begin(), times.end());
    std::printf("  median %.3f ms, p10 %.3f ms, p90 %.3f ms, min %.3f ms, max %.3f ms\n",
                Percentile(times, 0.5), Percentile(times, 0.1), Percentile(times, 0.9),
                times.front(), times.back());
    return lost;
}

int MeasureOrvalet(int presses, WaylandInput& input, QPlainTextEdit& editor) {
    e2e::OrvaletProcess keyboard;
    if (!keyboard.WaitForMainWindow()) {
        std::fprintf(stderr, "bench_wayland_click_latency: the keyboard's window did not appear\n");
        return 1;
    }
    TheDesktop().WaitForMessages(1000);
    if (!PointAtKeyY(input, keyboard.window())) {
        std::fprintf(stderr,
                     "bench_wayland_click_latency: sway did not tell where the keyboard is\n");
        return 1;
    }
    // As when the user has been working in the text window: the caption shows it.
    const auto tracking = [&] {
        e2e::WaitFor([&] { return e2e::TitleOf(keyboard.window()) == kReceiverTitle; },
                     kArrivalLimitMs);
    };
    const Press click{[&] { input.Button(kLeftButton, true); },
                      [&] { input.Button(kLeftButton, false); }};
    return Measure("Orvalet on Wayland: click release on a key to character", presses, editor,
                   click, tracking);
}

}  // namespace

int main(int argc, char** argv) {
    QApplication app(argc, argv);
    if (argc < 2) {
        std::fprintf(stderr, "usage: %s ORVALET [PRESSES]\n", argv[0]);
        return 2;
    }
    const int presses = argc > 2 ? std::max(1, atoi(argv[2])) : kDefaultPresses;
    e2e::OrvaletProcess::SetProgram(QString::fromLocal8Bit(argv[1]));
    WaylandInput input;
    if (!input.Connected()) {
        std::fprintf(stderr, "bench_wayland_click_latency: no wlroots compositor\n");
        return 1;
    }

    QPlainTextEdit editor;
    editor.setWindowTitle(QString::fromLatin1(kReceiverTitle));
    editor.resize(400, 200);
    editor.show();
    e2e::WaitFor([&] { return TheDesktop().BringWindowToTop(TheDesktop().HandleOf(&editor)); },
                 kSetUpLimitMs);

    platform::Desktop& desktop = TheDesktop();
    const Press key{[&] { desktop.keybd_event(kVkY, 0, 0, 0); },
                    [&] { desktop.keybd_event(kVkY, 0, platform::KEYEVENTF_KEYUP, 0); }};
    Measure("floor: a key sent straight to the text window", presses, editor, key, [] {});
    const int orvaletLost = MeasureOrvalet(presses, input, editor);
    e2e::EndTheDesktop();
    return orvaletLost == 0 ? 0 : 1;
}
