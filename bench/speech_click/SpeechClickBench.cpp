// Measures how soon a clicked key is heard: the real keyboard, with typed keys read aloud,
// the real speech library and a real sound server. From the release of the button on the
// key Y to the utterance's WAV file appearing in the library's folder, and to the first
// loud sample recorded from the sound server's monitor (which adds the recording's own
// latency, so it is an upper bound of when the sound was handed over).
//
// Usage: speech_click_bench ORVALET [CLICKS], on a desktop with a sound server whose sink
// is "nul" (desktop.sh with ORVALET_E2E_AUDIO=1).

#include <poll.h>
#include <signal.h>
#include <spawn.h>
#include <sys/eventfd.h>
#include <sys/inotify.h>
#include <sys/wait.h>
#include <unistd.h>

#include <QApplication>
#include <QFile>
#include <QProcess>
#include <QTemporaryDir>
#include <algorithm>
#include <atomic>
#include <chrono>
#include <condition_variable>
#include <cstdio>
#include <cstdlib>
#include <functional>
#include <memory>
#include <mutex>
#include <optional>
#include <thread>
#include <vector>

#include "platform/x11/X11Desktop.h"
#include "tests/support/PointerClicks.h"

// Xlib's macros (None, Bool, Status) would clash with the toolkit's headers above.
#include <X11/Xlib.h>
#include <X11/extensions/XTest.h>

namespace {

using Clock = std::chrono::steady_clock;
using Milliseconds = std::chrono::duration<double, std::milli>;

constexpr int kDefaultClicks = 20;
constexpr auto kStartLimit = std::chrono::seconds(20);
constexpr auto kUtteranceLimit = std::chrono::seconds(10);
constexpr auto kQuietBeforeClick = std::chrono::milliseconds(500);
constexpr auto kButtonHeld = std::chrono::milliseconds(60);
constexpr int kRowY = 32;  // the key Y, every group closed
constexpr int kLoudLevel = 1000;
constexpr size_t kChunkBytes = 160 * 2;  // 10 ms at 16 kHz
char kParec[] = "parec";
char* kParecArguments[] = {kParec,
                           const_cast<char*>("-d"),
                           const_cast<char*>("nul.monitor"),
                           const_cast<char*>("--raw"),
                           const_cast<char*>("--format=s16le"),
                           const_cast<char*>("--rate=16000"),
                           const_cast<char*>("--channels=1"),
                           const_cast<char*>("--latency-msec=5"),
                           nullptr};
const QByteArray kSettings =
    "[Quarnel Orvalet]\r\nLlengua=Catal\xE0\r\n[Menu]\r\nMenuLlegirElQueSEscriu=SI\r\n";

// What the listening threads have seen, each event with its time.
struct Observations {
    std::mutex mutex;
    std::condition_variable changed;
    std::vector<Clock::time_point> wavsCreated;
    std::optional<Clock::time_point> lastLoud;
    std::vector<Clock::time_point> loudStarts;  // the first loud chunk after a quiet one
    bool recording = false;

    void Note(const std::function<void()>& change) {
        {
            std::lock_guard lock(mutex);
            change();
        }
        changed.notify_all();
    }
};

// Waits until a descriptor has data or the stop descriptor fires; false on stop.
bool Readable(int fd, int stop) {
    pollfd fds[] = {{fd, POLLIN, 0}, {stop, POLLIN, 0}};
    return poll(fds, 2, -1) > 0 && !(fds[1].revents & POLLIN) && (fds[0].revents & POLLIN);
}

void ListenToMonitor(int fd, int stop, Observations& seen) {
    std::vector<char> chunk(kChunkBytes);
    bool wasLoud = false;
    while (Readable(fd, stop)) {
        const ssize_t got = read(fd, chunk.data(), chunk.size());
        if (got <= 0) return;
        const auto now = Clock::now();
        bool loud = false;
        for (ssize_t i = 0; i + 1 < got; i += 2) {
            const auto sample = static_cast<int16_t>(static_cast<uint8_t>(chunk[i]) |
                                                     static_cast<uint8_t>(chunk[i + 1]) << 8);
            loud = loud || std::abs(sample) > kLoudLevel;
        }
        seen.Note([&] {
            seen.recording = true;
            if (loud) seen.lastLoud = now;
            if (loud && !wasLoud) seen.loudStarts.push_back(now);
        });
        wasLoud = loud;
    }
}

void WatchFolder(int fd, int stop, Observations& seen) {
    alignas(inotify_event) char buffer[4096];
    while (Readable(fd, stop)) {
        const ssize_t got = read(fd, buffer, sizeof buffer);
        if (got <= 0) return;
        const auto now = Clock::now();
        for (char* at = buffer; at < buffer + got;) {
            const auto* event = reinterpret_cast<const inotify_event*>(at);
            seen.Note([&] { seen.wavsCreated.push_back(now); });
            at += sizeof(inotify_event) + event->len;
        }
    }
}

double Median(std::vector<double> values) {
    std::sort(values.begin(), values.end());
    return values.empty() ? 0 : values[values.size() / 2];
}

void Report(const char* what, const std::vector<double>& values) {
    if (values.empty()) {
        std::printf("%-48s no measurement\n", what);
        return;
    }
    std::printf("%-48s median %7.1f ms  min %7.1f  max %7.1f  (%zu clicks)\n", what, Median(values),
                *std::min_element(values.begin(), values.end()),
                *std::max_element(values.begin(), values.end()), values.size());
}

struct Pointer {
    Display* display;
    void MoveTo(int x, int y) {
        XTestFakeMotionEvent(display, -1, x, y, CurrentTime);
        XFlush(display);
    }
    void Press(unsigned button) {
        XTestFakeButtonEvent(display, button, True, CurrentTime);
        XFlush(display);
    }
    // The time the button went up: the keyboard acts on the release.
    Clock::time_point Release(unsigned button) {
        XTestFakeButtonEvent(display, button, False, CurrentTime);
        XFlush(display);
        return Clock::now();
    }
    Clock::time_point Click(int x, int y, unsigned button) {
        MoveTo(x, y);
        Press(button);
        std::this_thread::sleep_for(kButtonHeld);
        return Release(button);
    }
    std::pair<int, int> Where() {
        Window root, child;
        int x = 0, y = 0, wx, wy;
        unsigned mask;
        XQueryPointer(display, DefaultRootWindow(display), &root, &child, &x, &y, &wx, &wy, &mask);
        return {x, y};
    }
};

}  // namespace

int main(int argc, char** argv) {
    QApplication app(argc, argv);
    if (argc < 2) {
        std::fprintf(stderr, "usage: %s ORVALET [CLICKS]\n", argv[0]);
        return 2;
    }
    const int clicks = argc > 2 ? std::max(1, std::atoi(argv[2])) : kDefaultClicks;
    auto desktop = platform::CreateX11Desktop();
    Display* display = XOpenDisplay(nullptr);
    if (!display) {
        std::fprintf(stderr, "no X display\n");
        return 1;
    }
    Pointer pointer{display};
    Observations seen;
    const int stop = eventfd(0, 0);

    int pipeFds[2];
    if (pipe(pipeFds) != 0) return 1;
    posix_spawn_file_actions_t actions;
    posix_spawn_file_actions_init(&actions);
    posix_spawn_file_actions_adddup2(&actions, pipeFds[1], STDOUT_FILENO);
    posix_spawn_file_actions_addclose(&actions, pipeFds[0]);
    pid_t parec = 0;
    if (posix_spawnp(&parec, kParec, &actions, nullptr, kParecArguments, environ) != 0) {
        std::fprintf(stderr, "parec could not start\n");
        return 1;
    }
    close(pipeFds[1]);
    std::thread monitor(ListenToMonitor, pipeFds[0], stop, std::ref(seen));

    QTemporaryDir config, wavs;
    QFile ini(config.filePath("orvalet.ini"));
    if (!ini.open(QIODevice::WriteOnly) || ini.write(kSettings) != kSettings.size()) return 1;
    ini.close();
    const int inotify = inotify_init1(IN_CLOEXEC);
    inotify_add_watch(inotify, QFile::encodeName(wavs.path()).constData(), IN_CREATE);
    std::thread folder(WatchFolder, inotify, stop, std::ref(seen));

    QProcess keyboard;
    QProcessEnvironment environment = QProcessEnvironment::systemEnvironment();
    environment.insert("XDG_CONFIG_HOME", config.path());
    environment.insert("UPCTV_WAV_DIR", wavs.path());
    environment.remove("UPCTV_AUDIO");
    keyboard.setProcessEnvironment(environment);
    keyboard.setProcessChannelMode(QProcess::ForwardedChannels);
    keyboard.start(QString::fromLocal8Bit(argv[1]));

    auto finish = [&](int status) {
        keyboard.kill();
        keyboard.waitForFinished();
        kill(parec, SIGTERM);
        waitpid(parec, nullptr, 0);
        const uint64_t one = 1;
        (void)!write(stop, &one, sizeof one);
        monitor.join();
        folder.join();
        XCloseDisplay(display);
        return status;
    };

    platform::HWND window = 0;
    const auto started = Clock::now();
    while (window == 0 && Clock::now() - started < kStartLimit) {
        desktop->EnumWindows([&](platform::HWND candidate) {
            char title[64] = {};
            const int length = desktop->GetWindowTextA(candidate, title, sizeof title);
            if (std::string(title, length) == "Orvalet") window = candidate;
            return window == 0;
        });
        desktop->WaitForMessages(50);
    }
    if (window == 0) {
        std::fprintf(stderr, "the keyboard's window did not appear\n");
        return finish(1);
    }
    // Scanning, switched on and off with the right button, puts the pointer on the first
    // key at (20, 4) of the tree's client area: that gives where the rows are.
    desktop->WaitForMessages(500);
    platform::Rect frame;
    desktop->GetWindowRect(window, &frame);
    const std::pair<int, int> onTree{(frame.left + frame.right) / 2, frame.bottom - 60};
    pointer.Click(onTree.first, onTree.second, 3);
    const auto scanning = Clock::now();
    while (pointer.Where() == onTree && Clock::now() - scanning < kStartLimit) {
        desktop->WaitForMessages(50);
    }
    const auto [firstX, firstY] = pointer.Where();
    pointer.Click(firstX, firstY, 3);
    const int rowHeight = e2e::RowHeight();
    const int keyX = firstX - 20 + 40;
    const int keyY = firstY - 4 + kRowY * rowHeight + rowHeight / 2;

    std::vector<double> toWav, toSound;
    for (int click = 0; click < clicks; ++click) {
        {
            std::unique_lock lock(seen.mutex);
            seen.changed.wait_for(lock, kUtteranceLimit, [&] {
                return seen.recording &&
                       (!seen.lastLoud || Clock::now() - *seen.lastLoud > kQuietBeforeClick);
            });
            seen.wavsCreated.clear();
            seen.loudStarts.clear();
        }
        const Clock::time_point clicked = pointer.Click(keyX, keyY, 1);
        std::unique_lock lock(seen.mutex);
        seen.changed.wait_for(lock, kUtteranceLimit, [&] {
            return !seen.wavsCreated.empty() && !seen.loudStarts.empty();
        });
        if (!seen.wavsCreated.empty()) {
            toWav.push_back(Milliseconds(seen.wavsCreated.front() - clicked).count());
        }
        if (!seen.loudStarts.empty()) {
            toSound.push_back(Milliseconds(seen.loudStarts.front() - clicked).count());
        }
    }
    std::printf("Click on a key to speech, read-typed-keys on, %d clicks\n", clicks);
    Report("button release -> WAV file created", toWav);
    Report("button release -> first loud sample on monitor", toSound);
    return finish(toWav.empty() || toSound.empty() ? 1 : 0);
}
