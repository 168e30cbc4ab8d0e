// Click latency: how long a left click on a key of the real keyboard takes, from the release
// of the button, to arrive as a character in a text window. The text window belongs to this
// bench and the click is sent with XTest on the bench's own connection, so both ends are
// timestamped in-process on one clock. Before each click the text window gets the focus
// back, as a user working in it would give it. Run it on a desktop, e.g. through
// tests/e2e/desktop.sh.
//
// Usage: bench_click_latency ORVALET [PRESSES]   (default 100)

#include <QApplication>
#include <QElapsedTimer>
#include <QEventLoop>
#include <QFile>
#include <QFont>
#include <QPlainTextEdit>
#include <QProcess>
#include <QTemporaryDir>
#include <QTimer>
#include <QTreeWidget>
#include <algorithm>
#include <cstdio>
#include <functional>
#include <memory>
#include <string>
#include <vector>

#include "platform/x11/X11Desktop.h"

// Last: Xlib's macros would clash with names in Qt's headers.
#include <X11/Xlib.h>
#include <X11/extensions/XTest.h>

namespace {

constexpr int kDefaultPresses = 100;
// Clicks before measuring, so that first-use costs do not count.
constexpr int kWarmUp = 5;
constexpr int kArrivalLimitMs = 2000;
constexpr int kSetUpLimitMs = 10000;
constexpr int kPollMs = 5;
// Longer than the double-click interval, so that every click is a single click.
constexpr int kBetweenClicksMs = 500;
// A person holds the button down about this long; the key acts on the release.
constexpr int kHoldMs = 60;
// The key Y, counted from the top of the tree with every group closed.
constexpr int kYRow = 32;
constexpr int kLeftButton = 1;
constexpr int kRightButton = 3;
constexpr const char* kReceiverTitle = "click latency receiver";
constexpr const char* kKeyboardTitle = "Orvalet";
// A settings file that already names the interface language: no first-run dialog.
constexpr char kSettings[] = "[Quarnel Orvalet]\r\nLlengua=Catal\xE0\r\n";

struct Point {
    int x = -1;
    int y = -1;
    bool operator==(const Point&) const = default;
};

bool WaitUntil(platform::Desktop& desktop, const std::function<bool()>& condition, int limitMs) {
    QElapsedTimer clock;
    clock.start();
    while (!condition()) {
        if (clock.elapsed() > limitMs) return false;
        desktop.WaitForMessages(kPollMs);
    }
    return true;
}

std::string TitleOf(platform::Desktop& desktop, platform::HWND window) {
    char title[256] = {};
    desktop.GetWindowTextA(window, title, sizeof title);
    return title;
}

platform::HWND FindWindowTitled(platform::Desktop& desktop, const std::string& title) {
    platform::HWND found = 0;
    desktop.EnumWindows([&](platform::HWND window) {
        if (TitleOf(desktop, window) == title) found = window;
        return found == 0;
    });
    return found;
}

// The real keyboard, with a settings folder of its own.
class KeyboardProcess {
  public:
    explicit KeyboardProcess(const QString& program) {
        QFile file(config_.filePath("orvalet.ini"));
        if (file.open(QIODevice::WriteOnly)) file.write(kSettings);
        file.close();
        QProcessEnvironment environment = QProcessEnvironment::systemEnvironment();
        environment.insert("XDG_CONFIG_HOME", config_.path());
        process_.setProcessEnvironment(environment);
        process_.setProcessChannelMode(QProcess::ForwardedChannels);
        process_.start(program, {});
    }
    ~KeyboardProcess() {
        process_.terminate();
        if (!process_.waitForFinished(3000)) process_.kill();
        process_.waitForFinished(3000);
    }

  private:
    QTemporaryDir config_;
    QProcess process_;
};

// Synthetic pointer input on a connection of the bench's own.
class Mouse {
  public:
    explicit Mouse(Display* display) : display_(display) {}

    Point Where() const {
        Window root, child;
        int x, y, winX, winY;
        unsigned mask;
        XQueryPointer(display_, DefaultRootWindow(display_), &root, &child, &x, &y, &winX, &winY,
                      &mask);
        return {x, y};
    }
    void MoveAndPress(Point at, int button) {
        XTestFakeMotionEvent(display_, -1, at.x, at.y, CurrentTime);
        XTestFakeButtonEvent(display_, button, True, CurrentTime);
        XFlush(display_);
    }
    void Release(int button) {
        XTestFakeButtonEvent(display_, button, False, CurrentTime);
        XFlush(display_);
    }
    void Click(platform::Desktop& desktop, Point at, int button) {
        MoveAndPress(at, button);
        desktop.WaitForMessages(kHoldMs);
        Release(button);
        desktop.WaitForMessages(kBetweenClicksMs);
    }

  private:
    Display* display_;
};

// The height of a row of the keyboard's tree: the same toolkit, style and design font
// (11 pixels, bold) give the same rows in this process.
int RowHeight() {
    QTreeWidget tree;
    QFont font(QStringLiteral("MS Sans Serif"));
    font.setPixelSize(11);
    font.setBold(true);
    tree.setFont(font);
    tree.setUniformRowHeights(true);
    tree.addTopLevelItem(new QTreeWidgetItem(QStringList{QStringLiteral("B")}));
    return tree.sizeHintForRow(0);
}

// Scanning, switched on and off with the right button, puts the pointer on the first key at
// (20, 4) of the tree's client area; from there the place of the key Y follows.
bool FindKeyY(platform::Desktop& desktop, Mouse& mouse, platform::HWND keyboard, Point* keyY) {
    platform::Rect frame;
    if (!desktop.GetWindowRect(keyboard, &frame)) return false;
    const Point onTree{(frame.left + frame.right) / 2, frame.bottom - 60};
    mouse.Click(desktop, onTree, kRightButton);
    if (!WaitUntil(
            desktop, [&] { return !(mouse.Where() == onTree); }, kSetUpLimitMs)) {
        return false;
    }
    const Point firstKey = mouse.Where();
    mouse.Click(desktop, firstKey, kRightButton);
    const int rowHeight = RowHeight();
    *keyY = {firstKey.x - 20 + 40, firstKey.y - 4 + kYRow * rowHeight + rowHeight / 2};
    return true;
}

enum class Outcome { Arrived, Lost, BeforeRelease };

// Gives the text window the focus and waits until the keyboard's caption shows it, as when
// the user has been working in it; then clicks the key and times the release to the text.
Outcome TimeOneClick(platform::Desktop& desktop, Mouse& mouse, QPlainTextEdit& editor,
                     platform::HWND keyboard, Point key, double* ms) {
    desktop.BringWindowToTop(desktop.HandleOf(&editor));
    WaitUntil(
        desktop, [&] { return TitleOf(desktop, keyboard) == kReceiverTitle; }, kArrivalLimitMs);
    const QString before = editor.toPlainText();
    mouse.MoveAndPress(key, kLeftButton);
    desktop.WaitForMessages(kHoldMs);
    if (editor.toPlainText() != before) {
        mouse.Release(kLeftButton);
        return Outcome::BeforeRelease;
    }
    QEventLoop loop;
    QElapsedTimer clock;
    *ms = -1;
    const auto changed = QObject::connect(&editor, &QPlainTextEdit::textChanged, [&] {
        *ms = clock.nsecsElapsed() / 1e6;
        loop.quit();
    });
    QTimer::singleShot(kArrivalLimitMs, &loop, &QEventLoop::quit);
    clock.start();
    mouse.Release(kLeftButton);
    loop.exec();
    QObject::disconnect(changed);
    desktop.WaitForMessages(kBetweenClicksMs);
    return *ms < 0 ? Outcome::Lost : Outcome::Arrived;
}

double Percentile(const std::vector<double>& sorted, double fraction) {
    return sorted[static_cast<size_t>(fraction * static_cast<double>(sorted.size() - 1))];
}

int Fail(const char* why) {
    std::fprintf(stderr, "bench_click_latency: %s\n", why);
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
    auto desktop = platform::CreateX11Desktop();
    std::unique_ptr<Display, int (*)(Display*)> display(XOpenDisplay(nullptr), XCloseDisplay);
    if (!display) return Fail("no X display");
    Mouse mouse(display.get());

    QPlainTextEdit editor;
    editor.setWindowTitle(QString::fromLatin1(kReceiverTitle));
    editor.resize(400, 200);
    editor.move(0, 0);
    editor.show();
    KeyboardProcess process(QString::fromLocal8Bit(argv[1]));
    platform::HWND keyboard = 0;
    if (!WaitUntil(
            *desktop, [&] { return (keyboard = FindWindowTitled(*desktop, kKeyboardTitle)) != 0; },
            kSetUpLimitMs)) {
        return Fail("the keyboard's window did not appear");
    }
    desktop->WaitForMessages(1000);
    Point keyY;
    if (!FindKeyY(*desktop, mouse, keyboard, &keyY))
        return Fail("the keyboard's tree was not found");

    std::vector<double> times;
    int lost = 0, early = 0;
    for (int press = 0; press < kWarmUp + presses; ++press) {
        double ms = -1;
        const Outcome outcome = TimeOneClick(*desktop, mouse, editor, keyboard, keyY, &ms);
        if (press < kWarmUp) continue;
        if (outcome == Outcome::Arrived) times.push_back(ms);
        if (outcome == Outcome::Lost) ++lost;
        if (outcome == Outcome::BeforeRelease) ++early;
        // Keep the text short so the editor's own work stays the same for every press.
        if (editor.document()->characterCount() > 100) {
            const QSignalBlocker quiet(&editor);
            editor.clear();
        }
    }
    if (times.empty()) return Fail("no click arrived as a character");
    std::sort(times.begin(), times.end());
    std::printf("click release on a key to character, %zu presses (%d lost, %d before release):\n",
                times.size(), lost, early);
    std::printf("  median %.3f ms, p10 %.3f ms, p90 %.3f ms, min %.3f ms, max %.3f ms\n",
                Percentile(times, 0.5), Percentile(times, 0.1), Percentile(times, 0.9),
                times.front(), times.back());
    return lost == 0 && early == 0 ? 0 : 1;
}
