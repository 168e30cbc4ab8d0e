#include "upctv/tests/OwnProcess.h"

#include <gtest/gtest.h>
#include <unistd.h>

#include <atomic>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <memory>
#include <optional>
#include <sstream>

#include "upctv/tests/ChildProcess.h"
#include "upctv/tests/SoundServer.h"

namespace {

constexpr const char* kCaseVariable = "UPCTV_TEST_CASE";
constexpr const char* kThisProgram = "/proc/self/exe";

std::string CurrentTest() {
    const testing::TestInfo* test = testing::UnitTest::GetInstance()->current_test_info();
    return std::string(test->test_suite_name()) + "." + test->name();
}

// An empty folder of its own, removed with everything in it on destruction.
class ScratchFolder {
  public:
    ScratchFolder() {
        static std::atomic<int> counter = 0;
        path_ = std::filesystem::temp_directory_path() /
                ("upctv-test-" + std::to_string(getpid()) + "-" + std::to_string(++counter));
        std::filesystem::remove_all(path_);
        std::filesystem::create_directories(path_);
    }
    ~ScratchFolder() {
        std::error_code error;
        std::filesystem::remove_all(path_, error);
    }
    ScratchFolder(const ScratchFolder&) = delete;
    ScratchFolder& operator=(const ScratchFolder&) = delete;

    const std::filesystem::path& Path() const { return path_; }

  private:
    std::filesystem::path path_;
};

// Whatever has to run for a child's sound, kept as long as the child runs.
struct PreparedSound {
    std::optional<SoundPlace> place;
    std::unique_ptr<SoundServer> server;

    Environment Variables() const {
        if (!place) return {{"UPCTV_AUDIO", "none"}};
        Environment variables = place->Variables();
        variables["UPCTV_AUDIO"] = std::nullopt;
        if (server) variables[kSoundServerVariable] = std::to_string(server->Id());
        return variables;
    }
};

PreparedSound Prepare(Sound sound, const std::filesystem::path& folder) {
    PreparedSound prepared;
    if (sound == Sound::Off) return prepared;
    prepared.place = SoundPlace::MadeIn(folder);
    if (sound == Sound::Server) prepared.server = std::make_unique<SoundServer>(*prepared.place);
    return prepared;
}

std::string Contents(const std::filesystem::path& file) {
    std::ostringstream text;
    text << std::ifstream(file).rdbuf();
    return text.str();
}

}  // namespace

void InOwnProcess(const std::string& name, Sound sound, const std::function<void()>& body,
                  std::chrono::seconds limit) {
    const std::string test = CurrentTest();
    const std::string id = test + "/" + name;
    if (const char* running = std::getenv(kCaseVariable)) {
        if (id == running) body();
        return;
    }
    ScratchFolder scratch;
    PreparedSound prepared = Prepare(sound, scratch.Path() / "sound");
    Environment variables = prepared.Variables();
    variables[kCaseVariable] = id;
    const auto wavFolder = scratch.Path() / "wav";
    std::filesystem::create_directories(wavFolder);
    variables["UPCTV_WAV_DIR"] = wavFolder.string();
    const auto output = scratch.Path() / "output.txt";
    ChildProcess child({kThisProgram, "--gtest_filter=" + test}, variables, output);
    std::optional<int> status = child.WaitFor(limit);
    if (!status) {
        ADD_FAILURE() << name << ": still running after " << limit.count() << " s\n"
                      << Contents(output);
    } else if (*status != 0) {
        ADD_FAILURE() << name << ": " << DescribeWaitStatus(*status) << "\n" << Contents(output);
    }
}

void InOwnProcess(const std::function<void()>& body) {
    InOwnProcess("UPCTV_AUDIO=none", Sound::Off, body);
}
