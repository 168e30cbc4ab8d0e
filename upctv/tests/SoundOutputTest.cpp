#include <gtest/gtest.h>
#include <unistd.h>

#include <cstdint>
#include <filesystem>
#include <memory>
#include <optional>
#include <string>
#include <vector>

#include "upctv/SoundOutput.h"
#include "upctv/tests/StderrCapture.h"

namespace {

using Samples = std::vector<std::int16_t>;

constexpr int kRate = 8000;
const std::string kUnheard = "upctv: no sound output can be opened; speech goes on unheard";

// Keeps what it is handed in `heard` until it has taken `workingWrites` writes; it fails at
// the next one.
class FakeDevice : public upctv::AudioSink {
  public:
    FakeDevice(int workingWrites, Samples& heard) : left_(workingWrites), heard_(heard) {}
    void Write(std::span<const std::int16_t> samples) override {
        failed_ = failed_ || left_-- == 0;
        if (!failed_) heard_.insert(heard_.end(), samples.begin(), samples.end());
    }
    void Discard() override {}
    void Drain() override {}
    bool Failed() const override { return failed_; }

  private:
    int left_;
    Samples& heard_;
    bool failed_ = false;
};

TEST(SoundOutput, ADeviceIsOpenedAgainWhenThereIsNoneOrItFails) {
    struct Row {
        const char* rule;
        // What each opening gives: a device working for so many writes, or none.
        std::vector<std::optional<int>> openings;
        // The writes of each utterance, one sample each.
        std::vector<Samples> utterances;
        Samples heard;
        int openingsUsed;
        std::size_t unheardReports;
    };
    const Row rows[] = {
        {"no device at first: unheard, and the next utterance opens one",
         {std::nullopt, 9},
         {{1}, {2}},
         {2},
         2,
         1},
        {"a device that fails in an utterance is replaced at once: nothing is lost",
         {1, 9},
         {{1, 2, 3}},
         {1, 2, 3},
         2,
         0},
        {"no replacement: the rest is unheard, with no new attempt until the next utterance",
         {0, std::nullopt, 9},
         {{1, 2, 3}, {4}},
         {4},
         3,
         1},
        {"the lack of sound is said once, and again after a device has worked",
         {std::nullopt, std::nullopt, 1, std::nullopt},
         {{1}, {2}, {3, 4}},
         {3},
         4,
         2},
    };
    auto log = std::filesystem::temp_directory_path() /
               ("upctv-sound-output-" + std::to_string(getpid()) + ".txt");
    for (const Row& row : rows) {
        SCOPED_TRACE(row.rule);
        Samples heard;
        int used = 0;
        StderrCapture errors(log);
        upctv::SoundOutput output(
            [&](int) -> std::unique_ptr<upctv::AudioSink> {
                std::optional<int> opening = row.openings.at(used++);
                if (!opening) return nullptr;
                return std::make_unique<FakeDevice>(*opening, heard);
            },
            kRate);
        for (const Samples& utterance : row.utterances) {
            output.Prepare();
            for (std::int16_t sample : utterance) output.Write(Samples{sample});
            output.Drain();
        }
        EXPECT_EQ(heard, row.heard);
        EXPECT_EQ(used, row.openingsUsed);
        EXPECT_EQ(errors.Count(kUnheard), row.unheardReports) << errors.Text();
    }
    std::filesystem::remove(log);
}

}  // namespace
