// Measures the speech library: how long after a read the first sample reaches the
// audio output, and how much faster than real time the synthesiser runs.

#include <algorithm>
#include <chrono>
#include <condition_variable>
#include <cstdio>
#include <mutex>
#include <optional>
#include <string>
#include <vector>

#include "upctv/AudioSink.h"
#include "upctv/Engine.h"
#include "upctv/Synthesizer.h"
#include "upctv/Voice.h"

namespace {

using Clock = std::chrono::steady_clock;
using Milliseconds = std::chrono::duration<double, std::milli>;

constexpr int kLatencyRuns = 31;
constexpr int kSynthesisRuns = 9;
constexpr double kTargetMilliseconds = 30;
// A typed key, as the keyboard reads it while the user writes.
constexpr const char* kKeyText = "ba";
const std::string kParagraph =
    "Aquesta \xe9s una frase prou llarga per mesurar la s\xedntesi de veu. "
    "El teclat sil\xb7l\xe0"
    "bic llegeix cada tecla, el text escrit i el porta-retalls, "
    "en catal\xe0 o en castell\xe0, amb veu d'home o de dona, a la velocitat triada.";

// Passes everything to the real output and notes when the first sample arrives
// and when the utterance is abandoned.
class TimingSink : public upctv::AudioSink {
  public:
    // Called on the speaking thread before it writes anything; without a sound device the
    // samples go nowhere at the same pace.
    void Open(int sampleRate) {
        output_ = upctv::OpenAudioSink(sampleRate);
        if (!output_) output_ = std::make_unique<upctv::SilentSink>();
    }

    void Write(std::span<const std::int16_t> samples) override {
        {
            std::lock_guard lock(mutex_);
            if (!firstWrite_) firstWrite_ = Clock::now();
        }
        changed_.notify_all();
        output_->Write(samples);
    }
    void Discard() override {
        output_->Discard();
        {
            std::lock_guard lock(mutex_);
            discarded_ = true;
        }
        changed_.notify_all();
    }
    void Drain() override { output_->Drain(); }

    void Reset() {
        std::lock_guard lock(mutex_);
        firstWrite_.reset();
        discarded_ = false;
    }
    Clock::time_point WaitForFirstWrite() {
        std::unique_lock lock(mutex_);
        changed_.wait(lock, [this] { return firstWrite_.has_value(); });
        return *firstWrite_;
    }
    void WaitForDiscard() {
        std::unique_lock lock(mutex_);
        changed_.wait(lock, [this] { return discarded_; });
    }

  private:
    std::unique_ptr<upctv::AudioSink> output_;
    std::mutex mutex_;
    std::condition_variable changed_;
    std::optional<Clock::time_point> firstWrite_;
    bool discarded_ = false;
};

// What the engine owns: a handle on the sink that the benchmark keeps.
class SinkHandle : public upctv::AudioSink {
  public:
    explicit SinkHandle(TimingSink& sink) : sink_(sink) {}
    void Write(std::span<const std::int16_t> samples) override { sink_.Write(samples); }
    void Discard() override { sink_.Discard(); }
    void Drain() override { sink_.Drain(); }

  private:
    TimingSink& sink_;
};

void Report(const char* what, std::vector<double> values, const char* unit) {
    std::sort(values.begin(), values.end());
    std::printf("%s: median %.4f%s, range %.4f%s to %.4f%s (%zu runs)\n", what,
                values[values.size() / 2], unit, values.front(), unit, values.back(), unit,
                values.size());
}

std::vector<double> MeasureFirstSample() {
    TimingSink sink;
    upctv::Engine engine(
        [&sink](int sampleRate) {
            sink.Open(sampleRate);
            return std::make_unique<SinkHandle>(sink);
        },
        std::nullopt);
    std::vector<double> latencies;
    // The first reading also waits for the synthesiser to load; it is not counted.
    for (int run = 0; run <= kLatencyRuns; ++run) {
        auto start = Clock::now();
        engine.Read(kKeyText);
        auto first = sink.WaitForFirstWrite();
        if (run > 0) latencies.push_back(Milliseconds(first - start).count());
        engine.Control().Stop();
        sink.WaitForDiscard();
        sink.Reset();
    }
    return latencies;
}

std::vector<double> MeasureRealTimeFactor(double& speechSeconds) {
    upctv::Synthesizer synthesizer;
    std::vector<double> factors;
    for (int run = 0; run < kSynthesisRuns; ++run) {
        std::size_t samples = 0;
        auto start = Clock::now();
        synthesizer.Speak(kParagraph, upctv::VoiceChoice{},
                          [&samples](std::span<const std::int16_t> buffer) {
                              samples += buffer.size();
                              return true;
                          });
        double seconds = std::chrono::duration<double>(Clock::now() - start).count();
        speechSeconds = double(samples) / synthesizer.SampleRate();
        factors.push_back(seconds / speechSeconds);
    }
    return factors;
}

}  // namespace

int main() {
    auto latencies = MeasureFirstSample();
    Report("first sample handed to the output after a read", latencies, " ms");
    std::printf("  target: %.0f ms\n", kTargetMilliseconds);

    double speechSeconds = 0;
    auto factors = MeasureRealTimeFactor(speechSeconds);
    Report("synthesis real-time factor", factors, "");
    std::sort(factors.begin(), factors.end());
    std::printf("  %.1f s of speech, synthesised %.0f times faster than real time (median)\n",
                speechSeconds, 1 / factors[factors.size() / 2]);
    return 0;
}
