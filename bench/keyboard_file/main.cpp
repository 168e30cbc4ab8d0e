// Time and peak memory to read keyboard files of growing size. Each file is
// read in its own child process so that its peak memory and processor time
// are its own; the wall time depends on how busy the machine is.
#include <sys/resource.h>
#include <sys/wait.h>
#include <unistd.h>

#include <chrono>
#include <cstdio>
#include <filesystem>
#include <fstream>
#include <string>

#include "keys/KeyboardFile.h"

namespace {

// A keyboard of groups of twenty keys each, written with tabs and CR LF.
std::string WideKeyboard(std::size_t lines) {
    std::string text;
    for (std::size_t i = 0; i < lines; ++i) {
        if (i % 20 == 0) {
            text += "GROUP " + std::to_string(i / 20) + "\r\n";
        } else {
            text += "\tBRA" + std::to_string(i % 20) + "\r\n";
        }
    }
    return text;
}

// The deepest keyboard that fits `bytes`: each line one level deeper.
std::string DeepKeyboard(std::size_t bytes) {
    std::string text;
    for (std::size_t level = 0; text.size() + level + 1 <= bytes; ++level) {
        text.append(level, '\t');
        text += '\n';
    }
    return text;
}

double PeakMegabytes() {
    rusage usage{};
    getrusage(RUSAGE_SELF, &usage);
    return usage.ru_maxrss / 1024.0;
}

double Milliseconds(const timeval& t) { return t.tv_sec * 1e3 + t.tv_usec / 1e3; }

void Measure(const std::string& label, const std::filesystem::path& file) {
    pid_t child = fork();
    if (child == 0) {
        auto start = std::chrono::steady_clock::now();
        std::optional<keys::KeyForest> forest = keys::ReadKeyboardFile(file.string());
        auto elapsed = std::chrono::steady_clock::now() - start;
        std::size_t count = forest ? keys::CountKeys(*forest) : 0;
        std::printf("%-26s %9zu keys  read %7.1f ms wall", label.c_str(), count,
                    std::chrono::duration<double, std::milli>(elapsed).count());
        std::fflush(stdout);
        _exit(forest ? 0 : 1);
    }
    int status = 0;
    rusage usage{};
    wait4(child, &status, 0, &usage);
    std::printf(", child %7.1f ms processor, peak %6.1f MB%s\n",
                Milliseconds(usage.ru_utime) + Milliseconds(usage.ru_stime),
                usage.ru_maxrss / 1024.0,
                WIFEXITED(status) && WEXITSTATUS(status) == 0 ? "" : "  FAILED");
}

}  // namespace

std::filesystem::path WriteFile(const std::filesystem::path& folder, const std::string& text) {
    std::filesystem::path file = folder / "keyboard.QuarnelTeclat";
    std::ofstream(file, std::ios::binary) << text;
    std::printf("(%4.1f MB) ", text.size() / 1e6);
    std::fflush(stdout);
    return file;
}

int main() {
    std::filesystem::path folder = std::filesystem::temp_directory_path() / "bench_keyboard_file";
    std::filesystem::create_directories(folder);
    std::printf("baseline: peak of this process before any file, %.1f MB\n", PeakMegabytes());
    Measure("10,000 lines", WriteFile(folder, WideKeyboard(10'000)));
    Measure("1,000,000 lines", WriteFile(folder, WideKeyboard(1'000'000)));
    Measure("10 MB, one level per line", WriteFile(folder, DeepKeyboard(10'000'000)));
    Measure("10 MB of empty lines", WriteFile(folder, std::string(10'000'000, '\n')));
    std::filesystem::remove_all(folder);
    return 0;
}
