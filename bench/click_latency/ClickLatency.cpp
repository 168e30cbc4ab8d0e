// Click latency: how long a left click on a key of the real keyboard takes, from the moment
// the key acts (the release of the button for Orvalet, whose keys act on a click; the press
// when a keyboard types on the press), to arrive as a character in a text window. The text
// window belongs to this bench and the click is sent with XTest on the bench's own
// connection, so both ends are timestamped in-process on one clock. Before each click the
// text window gets the focus back, as a user working in it would give it. In the same run it
// times the floor, a key sent with XTest straight to the text window, and Onboard when it is
// installed. Run it on a desktop, e.g. through tests/e2e/desktop.sh.
//
// Usage: bench_click_latency ORVALET [PRESSES]   (default 100)

#include <QApplication>
#include <QElapsedTimer>
#include <QEventLoop>
#include <QPlainTextEdit>
#include <QProcess>
#include <QStandardPaths>
#include <QTimer>
#include <algorithm>
#include <cstdio>
#include <functional>
#include <optional>
#include <string>
#include <vector>

#include "tests/support/OrvaletProcess.h"
#include "tests/support/PointerClicks.h"
#include "tests/support/TestDesktop.h"
#include "tests/support/XTestInput.h"

// Last: the keysym names are macros.
#include <X11/keysym.h>

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
// The key Y, counted from the top of the tree with every group closed.
constexpr int kYRow = 32;
constexpr int kLeftButton = 1;
constexpr int kRightButton = 3;
constexpr const char* kReceiverTitle = "click latency receiver";
constexpr const char* kOnboardTitle = "Onboard";
// Onboard on the lower part of the screen, away from the text window and from Orvalet.
const QStringList kOnboardArguments{"-x", "0", "-y", "480", "-s", "700x240"};
// Where Onboard's letter keys are sought: fractions of its window across and down.
constexpr double kLetterRowsFrom = 0.3, kLetterRowsTo = 0.7, kSearchStep = 0.05;

using e2e::Point;
using e2e::TheDesktop;
using e2e::XTestInput;

// Onboard started for the run and stopped at its end; it keeps its settings in GSettings,
// so a run leaves nothing behind.
class OnboardProcess {
  public:
    explicit OnboardProcess(const QString& program) {
        QProcessEnvironment environment = QProcessEnvironment::systemEnvironment();
        environment.insert("GSETTINGS_BACKEND", "memory");
        process_.setProcessEnvironment(environment);
        process_.setProcessChannelMode(QProcess::ForwardedChannels);
        process_.start(program, kOnboardArguments);
    }
    ~OnboardProcess() {
        process_.terminate();
        if (!process_.waitForFinished(3000)) process_.kill();
        process_.waitForFinished(3000);
    }

  private:
    QProcess process_;
};

// A person's click: pressed, held, released, then a pause.
void PersonClick(XTestInput& input, Point at, int button) {
    input.MoveAndPress(at, button);
    TheDesktop().WaitForMessages(kHoldMs);
    input.Release(button);
    TheDesktop().WaitForMessages(kBetweenClicksMs);
}

// Scanning, switched on and off with the right button, puts the pointer on the first key at
// (20, 4) of the tree's client area; from there the place of the key Y follows.
std::optional<Point> FindKeyY(XTestInput& input, platform::HWND keyboard) {
    platform::Rect frame;
    if (!TheDesktop().GetWindowRect(keyboard, &frame)) return std::nullopt;
    const Point onTree{(frame.left + frame.right) / 2, frame.bottom - 60};
    PersonClick(input, onTree, kRightButton);
    if (!e2e::WaitFor([&] { return !(input.Where() == onTree); }, kSetUpLimitMs)) {
        return std::nullopt;
    }
    const Point firstKey = input.Where();
    PersonClick(input, firstKey, kRightButton);
    const int rowHeight = e2e::RowHeight();
    return Point{firstKey.x - 20 + 40, firstKey.y - 4 + kYRow * rowHeight + rowHeight / 2};
}

// One press and release of a key, by whatever means: the press, then the release.
struct Press {
    std::function<void()> down;
    std::function<void()> up;
};

enum class Outcome { Arrived, Lost };

// Gives the text window the focus, waits until the keyboard is ready for it, then presses
// and releases after a person's hold. The time runs from the release, or from the press when
// the character came during the hold.
Outcome TimeOne(QPlainTextEdit& editor, const Press& press, const std::function<void()>& ready,
                double* ms) {
    platform::Desktop& desktop = TheDesktop();
    desktop.BringWindowToTop(desktop.HandleOf(&editor));
    ready();
    QEventLoop loop;
    QElapsedTimer clock;
    *ms = -1;
    const auto changed = QObject::connect(&editor, &QPlainTextEdit::textChanged, [&] {
        if (*ms < 0) *ms = clock.nsecsElapsed() / 1e6;
        loop.quit();
    });
    clock.start();
    press.down();
    QTimer::singleShot(kHoldMs, &loop, &QEventLoop::quit);
    loop.exec();
    const double heldMs = clock.nsecsElapsed() / 1e6;
    const bool onThePress = *ms >= 0;
    press.up();
    if (!onThePress) {
        QTimer::singleShot(kArrivalLimitMs, &loop, &QEventLoop::quit);
        loop.exec();
        if (*ms >= 0) *ms -= heldMs;
    }
    QObject::disconnect(changed);
    desktop.WaitForMessages(kBetweenClicksMs);
    // Keep the text short so the editor's own work stays the same for every press.
    if (editor.document()->characterCount() > 100) {
        const QSignalBlocker quiet(&editor);
        editor.clear();
    }
    return *ms < 0 ? Outcome::Lost : Outcome::Arrived;
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
        double ms = -1;
        const Outcome outcome = TimeOne(editor, press, ready, &ms);
        if (i < kWarmUp) continue;
        if (outcome == Outcome::Arrived) times.push_back(ms);
        if (outcome == Outcome::Lost) ++lost;
    }
    std::printf("%s, %zu presses (%d lost):\n", what, times.size(), lost);
    if (times.empty()) return lost;
    std::sort(times.begin(), times.end());
    std::printf("  median %.3f ms, p10 %.3f ms, p90 %.3f ms, min %.3f ms, max %.3f ms\n",
                Percentile(times, 0.5), Percentile(times, 0.1), Percentile(times, 0.9),
                times.front(), times.back());
    return lost;
}

Press Click(XTestInput& input, Point at) {
    return {[&input, at] { input.MoveAndPress(at, kLeftButton); },
            [&input] { input.Release(kLeftButton); }};
}

// A point on Onboard's window where a click types a single letter into the editor.
std::optional<Point> FindOnboardLetter(XTestInput& input, QPlainTextEdit& editor,
                                       platform::HWND onboard) {
    platform::Desktop& desktop = TheDesktop();
    platform::Rect frame;
    if (!desktop.GetWindowRect(onboard, &frame)) return std::nullopt;
    const int width = frame.right - frame.left, height = frame.bottom - frame.top;
    for (double down = kLetterRowsFrom; down <= kLetterRowsTo; down += kSearchStep) {
        for (double across = kSearchStep; across < 1; across += kSearchStep) {
            const Point at{frame.left + static_cast<int>(across * width),
                           frame.top + static_cast<int>(down * height)};
            desktop.BringWindowToTop(desktop.HandleOf(&editor));
            editor.clear();
            PersonClick(input, at, kLeftButton);
            const QString typed = editor.toPlainText();
            if (typed.size() == 1 && typed.front().isLetter()) return at;
        }
    }
    return std::nullopt;
}

int MeasureOnboard(int presses, XTestInput& input, QPlainTextEdit& editor) {
    const QString program = QStandardPaths::findExecutable(QStringLiteral("onboard"));
    if (program.isEmpty()) {
        std::printf("Onboard: not installed (Debian package onboard), not measured\n");
        return 0;
    }
    OnboardProcess onboard(program);
    platform::HWND window = 0;
    if (!e2e::WaitFor([&] { return (window = e2e::FindWindowTitled(kOnboardTitle)) != 0; },
                      kSetUpLimitMs)) {
        std::printf("Onboard: its window did not appear, not measured\n");
        return 0;
    }
    TheDesktop().WaitForMessages(1000);
    const std::optional<Point> letter = FindOnboardLetter(input, editor, window);
    if (!letter) {
        std::printf("Onboard: no letter key found on its window, not measured\n");
        return 0;
    }
    editor.clear();
    return Measure("Onboard: click on a letter key to character", presses, editor,
                   Click(input, *letter), [] {});
}

int MeasureOrvalet(int presses, XTestInput& input, QPlainTextEdit& editor) {
    e2e::OrvaletProcess keyboard;
    if (!keyboard.WaitForMainWindow()) {
        std::fprintf(stderr, "bench_click_latency: the keyboard's window did not appear\n");
        return 1;
    }
    TheDesktop().WaitForMessages(1000);
    const std::optional<Point> keyY = FindKeyY(input, keyboard.window());
    if (!keyY) {
        std::fprintf(stderr, "bench_click_latency: the keyboard's tree was not found\n");
        return 1;
    }
    // As when the user has been working in the text window: the caption shows it.
    const auto tracking = [&] {
        e2e::WaitFor([&] { return e2e::TitleOf(keyboard.window()) == kReceiverTitle; },
                     kArrivalLimitMs);
    };
    return Measure("Orvalet: click release on a key to character", presses, editor,
                   Click(input, *keyY), tracking);
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
    XTestInput input;
    if (!input.Connected()) {
        std::fprintf(stderr, "bench_click_latency: no X display\n");
        return 1;
    }

    QPlainTextEdit editor;
    editor.setWindowTitle(QString::fromLatin1(kReceiverTitle));
    editor.resize(400, 200);
    editor.move(0, 0);
    editor.show();
    e2e::WaitFor([&] { return TheDesktop().BringWindowToTop(TheDesktop().HandleOf(&editor)); },
                 kSetUpLimitMs);

    const Press key{[&] { input.Key(XK_y, true); }, [&] { input.Key(XK_y, false); }};
    Measure("floor: a key sent straight to the text window", presses, editor, key, [] {});
    const int orvaletLost = MeasureOrvalet(presses, input, editor);
    MeasureOnboard(presses, input, editor);
    e2e::EndTheDesktop();
    return orvaletLost == 0 ? 0 : 1;
}
