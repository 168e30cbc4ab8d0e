#include "upctv/tests/LibraryHandle.h"

#include <dlfcn.h>

#include <algorithm>
#include <cstdlib>

#include "upctv/tests/Waiting.h"

namespace {

std::filesystem::path WavFolderOfThisProcess() {
    const char* folder = std::getenv("UPCTV_WAV_DIR");
    return folder ? folder : "";
}

template <typename Function>
void Bind(Function& slot, const LibraryHandle& library, const char* name) {
    slot = reinterpret_cast<Function>(library.Symbol(name));
}

}  // namespace

LibraryHandle::LibraryHandle() : wavFolder_(WavFolderOfThisProcess()) {
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
    Bind(setNaturalVoice, *this, "upcTVSetNaturalVoice");
    Bind(status, *this, "upcTVStatus");
}

LibraryHandle::~LibraryHandle() { Unload(); }

void* LibraryHandle::Symbol(const char* name) const {
    return handle_ ? dlsym(handle_, name) : nullptr;
}

void LibraryHandle::Unload() {
    if (handle_) dlclose(handle_);
    handle_ = nullptr;
}

bool LibraryHandle::WaitUntilSilent(std::chrono::seconds deadline) const {
    return WaitUntil([this] { return !Speaking(); }, deadline);
}

bool LibraryHandle::WaitForRecordings(std::size_t count, std::chrono::seconds deadline) const {
    return WaitUntil([&] { return Recordings().size() >= count; }, deadline);
}

std::filesystem::path LibraryHandle::SpeakToEnd(const std::string& text1252) {
    read(text1252.c_str());
    if (!WaitUntilSilent()) return {};
    auto recordings = Recordings();
    return recordings.empty() ? std::filesystem::path() : recordings.back();
}

std::vector<std::filesystem::path> LibraryHandle::Recordings() const {
    std::vector<std::filesystem::path> files;
    std::error_code error;
    for (const auto& entry : std::filesystem::directory_iterator(wavFolder_, error)) {
        if (entry.path().extension() == ".wav") files.push_back(entry.path());
    }
    std::sort(files.begin(), files.end());
    return files;
}
