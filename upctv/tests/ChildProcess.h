#pragma once

#include <sys/types.h>

#include <chrono>
#include <filesystem>
#include <map>
#include <optional>
#include <string>
#include <vector>

// Environment variables to give a child process a value (a text) or to take from it (nothing).
using Environment = std::map<std::string, std::optional<std::string>>;

// A program (looked up on PATH) started with this process's environment changed by
// `changes`, reading nothing and writing its standard output into `output` and its standard
// error into `errors` (the same file when empty). It is killed when this process dies, and
// ended by its process id when this object is destroyed.
class ChildProcess {
  public:
    ChildProcess(const std::vector<std::string>& command, const Environment& changes,
                 const std::filesystem::path& output, const std::filesystem::path& errors = {});
    ~ChildProcess();
    ChildProcess(const ChildProcess&) = delete;
    ChildProcess& operator=(const ChildProcess&) = delete;

    pid_t Id() const { return pid_; }
    // Waits up to `limit` for the child to end: its wait status, or nothing while it runs.
    std::optional<int> WaitFor(std::chrono::milliseconds limit);
    // Asks the child to end (SIGTERM), waits a moment, then kills it (SIGKILL).
    void Stop();

  private:
    void Kill();

    pid_t pid_ = -1;
    int pidfd_ = -1;
    std::optional<int> status_;
};

// "exit code 1", "killed by signal 9"...
std::string DescribeWaitStatus(int status);
