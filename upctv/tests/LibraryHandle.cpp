#include "upctv/tests/LibraryHandle.h"

#include <dlfcn.h>
#include <unistd.h>

#include <algorithm>
#include <atomic>
#include <cstdlib>
#include <thread>

namespace {

std::filesystem::path FreshFolder() {
    static std::atomic<int> counter = 0;
    auto folder = std::filesystem::temp_directory_path() /
                  ("upctv-test-" + std::to_string(getpid()) + "-" + std::to_string(++counter));
    std::filesystem::remove_all(folder);
    std::filesystem::create_directories(folder);
    return folder;
}

void SetOrClear(const char* name, const char* value) {
    if (value) {
        setenv(name, value, 1);
    } else {
        unsetenv(name);
    }
}

template <typename Function>
void Bind(Function& slot, const LibraryHandle& library, const char* name) {
    slot = reinterpret_cast<Function>(library.Symbol(name));
}

}  // namespace

LibraryHandle::LibraryHandle(Environment environment) : wavFolder_(FreshFolder()) {
    SetOrClear("UPCTV_AUDIO", environment.audio);
    SetOrClear("PULSE_SERVER", environment.pulseServer);
    setenv("UPCTV_WAV_DIR", wavFolder_.c_str(), 1);
    handle_ = dlopen(UPCTV_LIBRARY_PATH, RTLD_NOW | RTLD_LOCAL);
    if (!handle_) return;
    Bind(about, *this, "upcTVAbout");
    Bind(read, *this, "upcTVRead");
    Bind(readFile, *this, "upcTVReadFile");
    Bind(stop, *this, "upcTVStop");
    Bind(pause, *this, "upcTVPause");
    Bind(resume, *this, "upcTVResume");
    Bind(setLanguage, *this, "upcTVSetLanguage");
    Bind(setSpeed, *this, "upcTVSetSpeed");
    Bind(setSpeaker, *this, "upcTVSetSpeaker");
    Bind(status, *this, "upcTVStatus");
}

LibraryHandle::~LibraryHandle() {
    Unload();
    std::filesystem::remove_all(wavFolder_);
}

void* LibraryHandle::Symbol(const char* name) const {
    return handle_ ? dlsym(handle_, name) : nullptr;
}

void LibraryHandle::Unload() {
    if (handle_) dlclose(handle_);
    handle_ = nullptr;
}

bool LibraryHandle::WaitUntilSilent(std::chrono::seconds deadline) const {
    auto end = std::chrono::steady_clock::now() + deadline;
    while (Speaking()) {
        if (std::chrono::steady_clock::now() > end) return false;
        std::this_thread::sleep_for(std::chrono::milliseconds(10));
    }
    return true;
}

bool LibraryHandle::WaitForRecordings(std::size_t count, std::chrono::seconds deadline) const {
    auto end = std::chrono::steady_clock::now() + deadline;
    while (Recordings().size() < count) {
        if (std::chrono::steady_clock::now() > end) return false;
        std::this_thread::sleep_for(std::chrono::milliseconds(10));
    }
    return true;
}

std::filesystem::path LibraryHandle::SpeakToEnd(const std::string& text1252) {
    read(text1252.c_str());
    if (!WaitUntilSilent()) return {};
    auto recordings = Recordings();
    return recordings.empty() ? std::filesystem::path() : recordings.back();
}

std::vector<std::filesystem::path> LibraryHandle::Recordings() const {
    std::vector<std::filesystem::path> files;
    for (const auto& entry : std::filesystem::directory_iterator(wavFolder_)) {
        files.push_back(entry.path());
    }
    std::sort(files.begin(), files.end());
    return files;
}
