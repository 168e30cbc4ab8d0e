// Measures the real keyboard on the current X display: time from exec to the splash and
// to the main window being managed by the window manager, memory 5 s after start, and, with a
// window of the bench's own as the application the user works in, the CPU and wake-ups of
// every thread of the keyboard while it sits idle following that window. The keyboard runs
// with a settings folder of its own that names the interface language, so that no first-run
// dialog stands in the way. Usage: bench_startup <orvalet> [runs] [idle seconds]
#include <X11/Xatom.h>
#include <X11/Xlib.h>
#include <poll.h>
#include <signal.h>
#include <sys/wait.h>
#include <unistd.h>

#include <algorithm>
#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <filesystem>
#include <fstream>
#include <memory>
#include <string>
#include <thread>
#include <vector>

#include "Receiver.h"
#include "ThreadActivity.h"

namespace {

using Clock = std::chrono::steady_clock;

constexpr const char* kSplashTitle = "Parlant de...";
constexpr const char* kReceiverTitle = "idle receiver";
// A settings file that already names the interface language: no first-run dialog.
constexpr char kSettings[] = "[Quarnel Orvalet]\r\nLlengua=Catal\xE0\r\n";
constexpr auto kCaptionLimit = std::chrono::seconds(10);

// Windows come and go while the bench looks at them: a vanished one is simply skipped.
int IgnoreXErrors(Display*, XErrorEvent*) { return 0; }

std::string Title(Display* display, Window window) {
    Atom utf8 = XInternAtom(display, "UTF8_STRING", False);
    Atom name = XInternAtom(display, "_NET_WM_NAME", False);
    Atom type;
    int format;
    unsigned long count, after;
    unsigned char* data = nullptr;
    std::string title;
    if (XGetWindowProperty(display, window, name, 0, 1024, False, utf8, &type, &format, &count,
                           &after, &data) == Success &&
        data) {
        title.assign(reinterpret_cast<char*>(data), count);
        XFree(data);
    }
    return title;
}

long PidOf(Display* display, Window window) {
    Atom pidAtom = XInternAtom(display, "_NET_WM_PID", False);
    Atom type;
    int format;
    unsigned long count, after;
    unsigned char* data = nullptr;
    long pid = -1;
    if (XGetWindowProperty(display, window, pidAtom, 0, 1, False, XA_CARDINAL, &type, &format,
                           &count, &after, &data) == Success &&
        data) {
        if (count == 1) pid = *reinterpret_cast<long*>(data);
        XFree(data);
    }
    return pid;
}

std::vector<Window> ClientList(Display* display) {
    Atom list = XInternAtom(display, "_NET_CLIENT_LIST", False);
    Atom type;
    int format;
    unsigned long count, after;
    unsigned char* data = nullptr;
    std::vector<Window> windows;
    if (XGetWindowProperty(display, DefaultRootWindow(display), list, 0, 4096, False, XA_WINDOW,
                           &type, &format, &count, &after, &data) == Success &&
        data) {
        auto* ids = reinterpret_cast<Window*>(data);
        windows.assign(ids, ids + count);
        XFree(data);
    }
    return windows;
}

struct Run {
    double splashMs = -1;
    double mainMs = -1;
};

// Waits for the window manager to manage the splash (known by its title) and the main window.
Run WatchStart(Display* display, Clock::time_point start, pid_t child) {
    Run run;
    const int fd = ConnectionNumber(display);
    while (Clock::now() - start < std::chrono::seconds(10) &&
           (run.splashMs < 0 || run.mainMs < 0)) {
        while (XPending(display)) {
            XEvent event;
            XNextEvent(display, &event);
        }
        const double now = std::chrono::duration<double, std::milli>(Clock::now() - start).count();
        for (Window window : ClientList(display)) {
            const std::string title = Title(display, window);
            if (run.splashMs < 0 && title == kSplashTitle) run.splashMs = now;
            // The main window's caption soon follows the receiving window: know it by its owner.
            if (run.mainMs < 0 && title != kSplashTitle && PidOf(display, window) == child) {
                run.mainMs = now;
            }
        }
        // The window manager lists a window it manages on the root window, whose changes wake
        // this loop: a slower look now and then only backs that up, and leaves the cores to
        // the keyboard that is starting.
        pollfd waiting{fd, POLLIN, 0};
        poll(&waiting, 1, 50);
        if (waitpid(child, nullptr, WNOHANG) == child) break;
    }
    return run;
}

long PageKb(pid_t pid, const char* field) {
    std::ifstream rollup("/proc/" + std::to_string(pid) + "/smaps_rollup");
    for (std::string line; std::getline(rollup, line);) {
        if (line.rfind(field, 0) == 0) return std::stol(line.substr(std::strlen(field)));
    }
    return -1;
}

// The main window's caption, which shows the window the keyboard follows.
std::string KeyboardCaption(Display* display, pid_t child) {
    for (Window window : ClientList(display)) {
        const std::string title = Title(display, window);
        if (title != kSplashTitle && PidOf(display, window) == child) return title;
    }
    return std::string();
}

bool WaitForCaption(Display* display, pid_t child, const std::string& caption) {
    const Clock::time_point deadline = Clock::now() + kCaptionLimit;
    while (Clock::now() < deadline) {
        if (KeyboardCaption(display, child) == caption) return true;
        std::this_thread::sleep_for(std::chrono::milliseconds(50));
    }
    return false;
}

std::string MakeSettingsFolder() {
    char folder[] = "/tmp/orvalet-bench-XXXXXX";
    if (mkdtemp(folder) == nullptr) return std::string();
    std::ofstream(std::string(folder) + "/orvalet.ini", std::ios::binary) << kSettings;
    return folder;
}

pid_t Launch(const char* program, const std::string& settings) {
    const pid_t child = fork();
    if (child == 0) {
        setenv("XDG_CONFIG_HOME", settings.c_str(), 1);
        execl(program, program, static_cast<char*>(nullptr));
        _exit(127);
    }
    return child;
}

void Stop(pid_t child) {
    kill(child, SIGTERM);
    waitpid(child, nullptr, 0);
}

// The keyboard, idle and following the bench's window: CPU and wake-ups of all its threads,
// and of each. False when it is not the keyboard that was measured.
bool MeasureIdle(Display* display, Receiver& receiver, pid_t child, const char* program,
                 int seconds, std::vector<double>& cpu, std::vector<double>& wakeUps) {
    if (!receiver.Activate() || !WaitForCaption(display, child, kReceiverTitle)) {
        std::fprintf(stderr, "bench_startup: the keyboard does not follow the bench's window\n");
        return false;
    }
    ThreadActivity activity;
    if (!RunsProgram(child, program) || !activity.Watch(child, seconds) ||
        !RunsProgram(child, program)) {
        std::fprintf(stderr, "bench_startup: the keyboard ended while it was measured\n");
        return false;
    }
    cpu.push_back(activity.CpuMs());
    wakeUps.push_back(static_cast<double>(activity.Switches()) / seconds);
    std::printf("idle threads (%d started, %d ended while measured), utime + stime %.0f ms:\n",
                activity.Started(), activity.Ended(), activity.TickedMs());
    for (const auto& [tid, thread] : activity.Threads()) {
        std::printf("  %-20s %8.1f ms CPU (%4.0f ms in ticks) %8.1f wake-ups/s\n",
                    thread.name.c_str(), thread.cpuMs, thread.tickedMs,
                    static_cast<double>(thread.switches) / seconds);
    }
    return true;
}

void Report(const char* what, std::vector<double> values, const char* unit) {
    if (values.empty()) {
        std::printf("%-34s not measured\n", what);
        return;
    }
    std::sort(values.begin(), values.end());
    std::printf("%-34s median %8.1f %s  (range %.1f - %.1f, %zu runs)\n", what,
                values[values.size() / 2], unit, values.front(), values.back(), values.size());
}

}  // namespace

int main(int argc, char** argv) {
    if (argc < 2) {
        std::fprintf(stderr, "usage: %s <orvalet> [runs] [idle seconds]\n", argv[0]);
        return 2;
    }
    const char* program = argv[1];
    const int runs = argc > 2 ? std::max(1, std::atoi(argv[2])) : 5;
    const int idleSeconds = argc > 3 ? std::max(1, std::atoi(argv[3])) : 30;
    // Closed after the receiver, which lives on it.
    const std::unique_ptr<Display, int (*)(Display*)> connection(XOpenDisplay(nullptr),
                                                                 XCloseDisplay);
    Display* display = connection.get();
    if (!display) return 1;
    XSetErrorHandler(IgnoreXErrors);
    XSelectInput(display, DefaultRootWindow(display), PropertyChangeMask);
    const std::string settings = MakeSettingsFolder();
    if (settings.empty()) return 1;
    Receiver receiver(display, kReceiverTitle);

    std::vector<double> splash, main, rss, pss, idle, wakeUps;
    bool idleMeasured = false;
    for (int i = 0; i < runs; ++i) {
        const Clock::time_point start = Clock::now();
        const pid_t child = Launch(program, settings);
        const Run run = WatchStart(display, start, child);
        splash.push_back(run.splashMs);
        main.push_back(run.mainMs);
        std::this_thread::sleep_until(start + std::chrono::seconds(5));
        rss.push_back(PageKb(child, "Rss:") / 1024.0);
        pss.push_back(PageKb(child, "Pss:") / 1024.0);
        if (!idleMeasured) {
            idleMeasured =
                MeasureIdle(display, receiver, child, program, idleSeconds, idle, wakeUps);
        }
        Stop(child);
    }
    std::filesystem::remove_all(settings);
    Report("splash mapped after exec", splash, "ms");
    Report("main window mapped after exec", main, "ms");
    Report("resident memory 5 s after start", rss, "MB");
    Report("proportional memory 5 s after start", pss, "MB");
    char label[64];
    std::snprintf(label, sizeof label, "CPU while idle over %d s", idleSeconds);
    Report(label, idle, "ms");
    Report("wake-ups a second while idle", wakeUps, "/s");
    return idleMeasured ? 0 : 1;
}
