#pragma once

#include <sys/types.h>

#include <map>
#include <string>

// What the threads of a process do over a while, from /proc: the CPU time and the times each
// thread went to sleep or was put aside (voluntary and involuntary context switches), which
// is how often something woke it. Threads may start and end meanwhile: it is looked at every
// second, so that a thread that ends loses at most its last second.
class ThreadActivity {
  public:
    struct Thread {
        std::string name;
        long switches = 0;
        // On a CPU, from the scheduler's nanoseconds and from utime + stime.
        double cpuMs = 0;
        double tickedMs = 0;
    };

    // Watches the process for the given time; false when it ended or is not there.
    bool Watch(pid_t pid, int seconds);

    // Over the whole watch, per thread and for the process.
    const std::map<pid_t, Thread>& Threads() const { return threads_; }
    long Switches() const;
    double CpuMs() const { return cpuMs_; }
    double TickedMs() const { return tickedMs_; }
    int Started() const { return started_; }
    int Ended() const { return ended_; }

  private:
    std::map<pid_t, Thread> threads_;
    double cpuMs_ = 0;
    double tickedMs_ = 0;
    int started_ = 0;
    int ended_ = 0;
};

// Whether the process is alive (not a zombie) and runs the given program.
bool RunsProgram(pid_t pid, const std::string& program);
