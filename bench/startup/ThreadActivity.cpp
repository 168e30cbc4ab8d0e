#include "ThreadActivity.h"

#include <unistd.h>

#include <chrono>
#include <filesystem>
#include <fstream>
#include <sstream>
#include <string_view>
#include <thread>

namespace {

using Sample = std::map<pid_t, ThreadActivity::Thread>;

std::string Read(const std::filesystem::path& file) {
    std::ifstream in(file);
    return std::string((std::istreambuf_iterator<char>(in)), {});
}

long Field(const std::string& status, std::string_view name) {
    const size_t at = status.find(name);
    return at == std::string::npos ? 0 : std::stol(status.substr(at + name.size()));
}

// utime + stime of a stat line, in milliseconds: counted in clock ticks, so coarser than the
// scheduler's own figure, but what every tool shows.
double TickedMs(const std::string& stat) {
    const size_t name = stat.rfind(')');
    if (name == std::string::npos) return 0;
    // After the name come the state (field 3) and then fields 4 to 13; utime and stime are 14
    // and 15.
    std::istringstream fields(stat.substr(name + 1));
    std::string skip;
    for (int field = 3; field <= 13; ++field) fields >> skip;
    long utime = 0;
    long stime = 0;
    fields >> utime >> stime;
    return static_cast<double>(utime + stime) * 1000.0 / static_cast<double>(sysconf(_SC_CLK_TCK));
}

// Each thread as it stands, its counts running from its start; empty when the process is gone.
Sample Look(pid_t pid) {
    Sample sample;
    std::error_code error;
    const std::filesystem::path tasks = "/proc/" + std::to_string(pid) + "/task";
    for (const auto& task : std::filesystem::directory_iterator(tasks, error)) {
        const std::string status = Read(task.path() / "status");
        if (status.empty()) continue;  // ended just now
        ThreadActivity::Thread thread;
        thread.name = Read(task.path() / "comm");
        if (!thread.name.empty() && thread.name.back() == '\n') thread.name.pop_back();
        thread.switches = Field(status, "\nvoluntary_ctxt_switches:") +
                          Field(status, "\nnonvoluntary_ctxt_switches:");
        // The first figure is the time spent on a CPU, in nanoseconds.
        std::istringstream schedstat(Read(task.path() / "schedstat"));
        double onCpuNs = 0;
        schedstat >> onCpuNs;
        thread.cpuMs = onCpuNs / 1e6;
        thread.tickedMs = TickedMs(Read(task.path() / "stat"));
        sample[std::stoi(task.path().filename().string())] = thread;
    }
    return sample;
}

}  // namespace

bool ThreadActivity::Watch(pid_t pid, int seconds) {
    *this = ThreadActivity();
    Sample previous = Look(pid);
    if (previous.empty()) return false;
    for (int second = 0; second < seconds; ++second) {
        std::this_thread::sleep_for(std::chrono::seconds(1));
        Sample now = Look(pid);
        if (now.empty()) return false;
        for (const auto& [tid, thread] : now) {
            Thread& total = threads_[tid];
            total.name = thread.name;
            const auto before = previous.find(tid);
            const Thread start = before != previous.end() ? before->second : Thread();
            if (before == previous.end()) ++started_;
            total.switches += thread.switches - start.switches;
            total.cpuMs += thread.cpuMs - start.cpuMs;
            total.tickedMs += thread.tickedMs - start.tickedMs;
            cpuMs_ += thread.cpuMs - start.cpuMs;
            tickedMs_ += thread.tickedMs - start.tickedMs;
        }
        for (const auto& [tid, thread] : previous) {
            if (now.count(tid) == 0) ++ended_;
        }
        previous = std::move(now);
    }
    return true;
}

long ThreadActivity::Switches() const {
    long total = 0;
    for (const auto& [tid, thread] : threads_) total += thread.switches;
    return total;
}

bool RunsProgram(pid_t pid, const std::string& program) {
    const std::string proc = "/proc/" + std::to_string(pid);
    const std::string stat = Read(proc + "/stat");
    const size_t state = stat.rfind(')');
    if (state == std::string::npos || state + 2 >= stat.size() || stat[state + 2] == 'Z') {
        return false;
    }
    std::error_code error;
    return std::filesystem::equivalent(std::filesystem::read_symlink(proc + "/exe", error), program,
                                       error);
}
