// Synthetic-key latency: how long a key sent with keybd_event takes to arrive as a character
// in a real X client. The client is this program's own text window, so both ends are
// timestamped in-process on one clock. Run it on a desktop, e.g. through tests/e2e/desktop.sh.
//
// Usage: key_latency [PRESSES]   (default 200)

#include <QApplication>
#include <QElapsedTimer>
#include <QEventLoop>
#include <QPlainTextEdit>
#include <QTimer>
#include <algorithm>
#include <cstdio>
#include <vector>

#include "platform/Constants.h"
#include "platform/x11/X11Desktop.h"

namespace {

constexpr int kDefaultPresses = 200;
constexpr int kArrivalLimitMs = 1000;
constexpr uint8_t kKeyA = 0x41;
// Presses before measuring, so that first-use costs do not count.
constexpr int kWarmUp = 10;

// Presses and releases the key; returns the milliseconds until the text changed, or -1.
double TimeOneKey(platform::Desktop& desktop, QPlainTextEdit& editor) {
    QEventLoop loop;
    QElapsedTimer clock;
    double arrival = -1;
    const auto changed = QObject::connect(&editor, &QPlainTextEdit::textChanged, [&] {
        arrival = clock.nsecsElapsed() / 1e6;
        loop.quit();
    });
    QTimer::singleShot(kArrivalLimitMs, &loop, &QEventLoop::quit);
    clock.start();
    desktop.keybd_event(kKeyA, 0, 0, 0);
    desktop.keybd_event(kKeyA, 0, platform::KEYEVENTF_KEYUP, 0);
    loop.exec();
    QObject::disconnect(changed);
    return arrival;
}

double Percentile(const std::vector<double>& sorted, double fraction) {
    return sorted[static_cast<size_t>(fraction * static_cast<double>(sorted.size() - 1))];
}

}  // namespace

int main(int argc, char** argv) {
    QApplication app(argc, argv);
    const int presses = argc > 1 ? std::max(1, atoi(argv[1])) : kDefaultPresses;
    auto desktop = platform::CreateX11Desktop();
    QPlainTextEdit editor;
    editor.setWindowTitle(QStringLiteral("key latency"));
    editor.show();
    desktop->WaitForMessages(200);
    if (!desktop->BringWindowToTop(desktop->HandleOf(&editor))) {
        std::fprintf(stderr, "key_latency: the text window did not get the focus\n");
        return 1;
    }
    std::vector<double> times;
    int lost = 0;
    for (int press = 0; press < kWarmUp + presses; ++press) {
        const double ms = TimeOneKey(*desktop, editor);
        if (press < kWarmUp) continue;
        if (ms < 0)
            ++lost;
        else
            times.push_back(ms);
        // Keep the text short so the editor's own work stays the same for every press.
        if (editor.document()->characterCount() > 100) {
            const QSignalBlocker quiet(editor);
            editor.clear();
        }
    }
    if (times.empty()) {
        std::fprintf(stderr, "key_latency: no key arrived\n");
        return 1;
    }
    std::sort(times.begin(), times.end());
    std::printf("synthetic key to character, %zu presses (%d lost):\n", times.size(), lost);
    std::printf("  median %.3f ms, p10 %.3f ms, p90 %.3f ms, min %.3f ms, max %.3f ms\n",
                Percentile(times, 0.5), Percentile(times, 0.1), Percentile(times, 0.9),
                times.front(), times.back());
    return lost == 0 ? 0 : 1;
}
