// Measures the real keyboard on the current X display: time from exec to the splash and
// to the main window being managed by the window manager, memory 5 s after start, and the
// CPU and wake-ups of all its threads while idle. Usage: bench_startup <orvalet> [runs] [idle
// seconds]
#include <X11/Xatom.h>
#include <X11/Xlib.h>
#include <poll.h>
#include <signal.h>
#include <sys/wait.h>
#include <unistd.h>

#include <algorithm>
#include <chrono>
#include <cstdio>
#include <cstring>
#include <filesystem>
#include <fstream>
#include <optional>
#include <sstream>
#include <string>
#include <string_view>
#include <thread>
#include <vector>

namespace {

using Clock = std::chrono::steady_clock;

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
            if (run.splashMs < 0 && title == "Parlant de...") run.splashMs = now;
            // The main window's caption soon follows the receiving window: know it by its owner.
            if (run.mainMs < 0 && title != "Parlant de..." && PidOf(display, window) == child) {
                run.mainMs = now;
            }
        }
        pollfd waiting{fd, POLLIN, 0};
        poll(&waiting, 1, 5);
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

double CpuMs(pid_t pid) {
    std::ifstream stat("/proc/" + std::to_string(pid) + "/stat");
    std::string content((std::istreambuf_iterator<char>(stat)), {});
    std::istringstream fields(content.substr(content.rfind(')') + 2));
    std::string skip;
    for (int i = 0; i < 11; ++i) fields >> skip;
    long utime = 0, stime = 0;
    fields >> utime >> stime;
    return (utime + stime) * 1000.0 / sysconf(_SC_CLK_TCK);
}

// Every time one of the process's threads has gone to sleep, to be woken later, since it
// started.
long WakeUps(pid_t pid) {
    constexpr std::string_view kSleeps = "\nvoluntary_ctxt_switches:";
    long total = 0;
    std::error_code error;
    for (const auto& task :
         std::filesystem::directory_iterator("/proc/" + std::to_string(pid) + "/task", error)) {
        std::ifstream status(task.path() / "status");
        const std::string content((std::istreambuf_iterator<char>(status)), {});
        const size_t at = content.find(kSleeps);
        if (at != std::string::npos) total += std::stol(content.substr(at + kSleeps.size()));
    }
    return total;
}

pid_t Launch(const char* program) {
    const pid_t child = fork();
    if (child == 0) {
        execl(program, program, static_cast<char*>(nullptr));
        _exit(127);
    }
    return child;
}

void Stop(pid_t child) {
    kill(child, SIGTERM);
    waitpid(child, nullptr, 0);
}

void Report(const char* what, std::vector<double> values, const char* unit) {
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
    const int runs = argc > 2 ? std::atoi(argv[2]) : 5;
    const int idleSeconds = argc > 3 ? std::atoi(argv[3]) : 30;
    Display* display = XOpenDisplay(nullptr);
    if (!display) return 1;
    XSetErrorHandler(IgnoreXErrors);
    XSelectInput(display, DefaultRootWindow(display), PropertyChangeMask);

    std::vector<double> splash, main, rss, pss, idle, wakeUps;
    for (int i = 0; i < runs; ++i) {
        const Clock::time_point start = Clock::now();
        const pid_t child = Launch(argv[1]);
        const Run run = WatchStart(display, start, child);
        splash.push_back(run.splashMs);
        main.push_back(run.mainMs);
        std::this_thread::sleep_until(start + std::chrono::seconds(5));
        rss.push_back(PageKb(child, "Rss:") / 1024.0);
        pss.push_back(PageKb(child, "Pss:") / 1024.0);
        if (i == 0) {
            const double before = CpuMs(child);
            const long wokenBefore = WakeUps(child);
            std::this_thread::sleep_for(std::chrono::seconds(idleSeconds));
            idle.push_back(CpuMs(child) - before);
            wakeUps.push_back(static_cast<double>(WakeUps(child) - wokenBefore) / idleSeconds);
        }
        Stop(child);
    }
    Report("splash mapped after exec", splash, "ms");
    Report("main window mapped after exec", main, "ms");
    Report("resident memory 5 s after start", rss, "MB");
    Report("proportional memory 5 s after start", pss, "MB");
    char label[64];
    std::snprintf(label, sizeof label, "CPU while idle over %d s", idleSeconds);
    Report(label, idle, "ms");
    Report("wake-ups a second while idle", wakeUps, "/s");
    XCloseDisplay(display);
    return 0;
}
