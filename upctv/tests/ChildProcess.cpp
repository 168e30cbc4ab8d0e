#include "upctv/tests/ChildProcess.h"

#include <fcntl.h>
#include <poll.h>
#include <signal.h>
#include <sys/prctl.h>
#include <sys/syscall.h>
#include <sys/wait.h>
#include <unistd.h>

#include <algorithm>
#include <cstdlib>
#include <cstring>
#include <stdexcept>

extern char** environ;

namespace {

constexpr std::chrono::seconds kStopGrace{5};
constexpr int kExecFailed = 127;

std::vector<std::string> ChangedEnvironment(const Environment& changes) {
    std::vector<std::string> variables;
    for (char** entry = environ; *entry; ++entry) {
        std::string variable = *entry;
        if (!changes.contains(variable.substr(0, variable.find('=')))) {
            variables.push_back(variable);
        }
    }
    for (const auto& [name, value] : changes) {
        if (value) variables.push_back(name + "=" + *value);
    }
    return variables;
}

std::string FindProgram(const std::string& name) {
    if (name.find('/') != std::string::npos) return name;
    const char* path = std::getenv("PATH");
    std::string folders = path ? path : "/usr/bin:/bin";
    for (std::size_t start = 0; start <= folders.size();) {
        std::size_t end = std::min(folders.find(':', start), folders.size());
        auto candidate = std::filesystem::path(folders.substr(start, end - start)) / name;
        if (access(candidate.c_str(), X_OK) == 0) return candidate;
        start = end + 1;
    }
    return name;
}

int OpenForWriting(const std::filesystem::path& file) {
    int descriptor = open(file.c_str(), O_WRONLY | O_CREAT | O_TRUNC | O_CLOEXEC, 0644);
    if (descriptor < 0) throw std::runtime_error("cannot write " + file.string());
    return descriptor;
}

std::vector<char*> Pointers(std::vector<std::string>& texts) {
    std::vector<char*> pointers;
    for (std::string& text : texts) pointers.push_back(text.data());
    pointers.push_back(nullptr);
    return pointers;
}

// Between fork and exec only async-signal-safe calls are allowed: the parent may have threads.
[[noreturn]] void BecomeChild(pid_t parent, int output, int errors, char** argv, char** envp) {
    prctl(PR_SET_PDEATHSIG, SIGKILL);
    if (getppid() != parent) _exit(kExecFailed);
    int nothing = open("/dev/null", O_RDONLY);
    dup2(nothing, STDIN_FILENO);
    dup2(output, STDOUT_FILENO);
    dup2(errors, STDERR_FILENO);
    execve(argv[0], argv, envp);
    _exit(kExecFailed);
}

}  // namespace

ChildProcess::ChildProcess(const std::vector<std::string>& command, const Environment& changes,
                           const std::filesystem::path& output,
                           const std::filesystem::path& errors) {
    std::vector<std::string> arguments = command;
    arguments[0] = FindProgram(arguments[0]);
    std::vector<std::string> variables = ChangedEnvironment(changes);
    std::vector<char*> argv = Pointers(arguments);
    std::vector<char*> envp = Pointers(variables);
    int outputFile = OpenForWriting(output);
    int errorFile = errors.empty() ? outputFile : OpenForWriting(errors);
    pid_t parent = getpid();
    pid_ = fork();
    if (pid_ == 0) BecomeChild(parent, outputFile, errorFile, argv.data(), envp.data());
    close(outputFile);
    if (errorFile != outputFile) close(errorFile);
    if (pid_ < 0) throw std::runtime_error(std::string("fork: ") + std::strerror(errno));
    // Debian 12's <sys/pidfd.h> lacks C linkage, so the system call is made directly.
    pidfd_ = static_cast<int>(syscall(SYS_pidfd_open, pid_, 0));
}

ChildProcess::~ChildProcess() {
    Kill();
    if (pidfd_ >= 0) close(pidfd_);
}

std::optional<int> ChildProcess::WaitFor(std::chrono::milliseconds limit) {
    if (status_) return status_;
    pollfd ended{pidfd_, POLLIN, 0};
    if (poll(&ended, 1, static_cast<int>(limit.count())) <= 0) return std::nullopt;
    int status = 0;
    if (waitpid(pid_, &status, 0) == pid_) status_ = status;
    return status_;
}

void ChildProcess::Stop() {
    if (status_) return;
    kill(pid_, SIGTERM);
    // A stopped child only ends once it runs again.
    kill(pid_, SIGCONT);
    if (!WaitFor(kStopGrace)) Kill();
}

void ChildProcess::Kill() {
    if (status_ || pid_ <= 0) return;
    kill(pid_, SIGKILL);
    int status = 0;
    if (waitpid(pid_, &status, 0) == pid_) status_ = status;
}

std::string DescribeWaitStatus(int status) {
    if (WIFEXITED(status)) return "exit code " + std::to_string(WEXITSTATUS(status));
    if (WIFSIGNALED(status)) return "killed by signal " + std::to_string(WTERMSIG(status));
    return "wait status " + std::to_string(status);
}
