// Measures the speech library with eSpeak NG and with the natural voice (Festival's Ona):
// how long after a read the first sample, and the first audible one, reach the audio
// output; how much faster than real time a paragraph of 2,000 characters is synthesised;
// and how much memory the natural voice adds.

#include <sys/wait.h>
#include <unistd.h>

#include <algorithm>
#include <chrono>
#include <condition_variable>
#include <cstdio>
#include <cstdlib>
#include <fstream>
#include <mutex>
#include <optional>
#include <string>
#include <vector>

#include "upctv/AudioSink.h"
#include "upctv/Engine.h"
#include "upctv/NaturalSynthesizer.h"
#include "upctv/Synthesizer.h"
#include "upctv/Utf8.h"
#include "upctv/Voice.h"

namespace {

using Clock = std::chrono::steady_clock;
using Milliseconds = std::chrono::duration<double, std::milli>;

constexpr int kLatencyRuns = 31;
constexpr int kSynthesisRuns = 9;
constexpr double kTargetMilliseconds = 30;
constexpr double kNaturalTargetMedian = 150;
constexpr double kNaturalTargetP95 = 250;
constexpr std::size_t kParagraphLength = 2000;
// Louder than this is voice rather than the silence a synthesiser puts before a word.
constexpr int kAudible = 500;
// A typed key, as the keyboard reads it while the user writes.
constexpr const char* kKeyText = "ba";
const std::string kSentences =
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
        sampleRate_ = sampleRate;
        output_ = upctv::OpenAudioSink(sampleRate);
        if (!output_) output_ = std::make_unique<upctv::SilentSink>();
    }

    void Write(std::span<const std::int16_t> samples) override {
        {
            std::lock_guard lock(mutex_);
            const auto now = Clock::now();
            if (!firstWrite_) firstWrite_ = now;
            NoteFirstAudible(samples, now);
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
        firstAudible_.reset();
        written_ = 0;
        discarded_ = false;
    }
    Clock::time_point WaitForFirstWrite() {
        std::unique_lock lock(mutex_);
        changed_.wait(lock, [this] { return firstWrite_.has_value(); });
        return *firstWrite_;
    }
    // When the listener hears the first sample louder than silence: the time it was written
    // plus the samples of the device's own lead before it.
    Clock::time_point WaitForFirstAudible() {
        std::unique_lock lock(mutex_);
        changed_.wait(lock, [this] { return firstAudible_.has_value(); });
        return *firstAudible_;
    }
    void WaitForDiscard() {
        std::unique_lock lock(mutex_);
        changed_.wait(lock, [this] { return discarded_; });
    }

  private:
    void NoteFirstAudible(std::span<const std::int16_t> samples, Clock::time_point now) {
        if (firstAudible_) return;
        for (std::size_t i = 0; i < samples.size(); ++i) {
            if (std::abs(samples[i]) > kAudible) {
                // Written at once, heard after the samples already handed over.
                const double lead = double(written_ + i) / sampleRate_;
                firstAudible_ =
                    std::max(now, *firstWrite_ + std::chrono::duration_cast<Clock::duration>(
                                                     std::chrono::duration<double>(lead)));
                return;
            }
        }
        written_ += samples.size();
    }

    int sampleRate_ = 0;
    std::size_t written_ = 0;
    std::optional<Clock::time_point> firstAudible_;
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

struct Latencies {
    std::vector<double> firstSample;
    std::vector<double> firstAudible;
};

double Percentile(std::vector<double> values, double fraction) {
    std::sort(values.begin(), values.end());
    return values[std::min(values.size() - 1, std::size_t(fraction * values.size()))];
}

void Report(const char* what, const std::vector<double>& values, const char* unit) {
    std::printf("%s: median %.2f%s, 95th percentile %.2f%s, range %.2f%s to %.2f%s (%zu runs)\n",
                what, Percentile(values, 0.5), unit, Percentile(values, 0.95), unit,
                Percentile(values, 0), unit, Percentile(values, 1), unit, values.size());
}

// The Catalan female voice, natural or not, as the keyboard asks for it.
void ChooseVoice(upctv::Transport& control, bool natural) {
    control.SetLanguage(upctv::kLanguageCatalan);
    control.SetSpeaker(upctv::kCatalanFemale);
    control.SetNaturalVoice(natural);
}

Latencies MeasureFirstSample(bool natural) {
    TimingSink sink;
    upctv::Engine engine(
        [&sink](int sampleRate) {
            sink.Open(sampleRate);
            return std::make_unique<SinkHandle>(sink);
        },
        std::nullopt, upctv::NaturalVoicePlace::NextToLibrary());
    ChooseVoice(engine.Control(), natural);
    Latencies latencies;
    // The first reading also waits for the synthesiser to load; it is not counted.
    for (int run = 0; run <= kLatencyRuns; ++run) {
        auto start = Clock::now();
        engine.Read(kKeyText);
        auto first = sink.WaitForFirstWrite();
        auto audible = sink.WaitForFirstAudible();
        if (run > 0) {
            latencies.firstSample.push_back(Milliseconds(first - start).count());
            latencies.firstAudible.push_back(Milliseconds(audible - start).count());
        }
        engine.Control().Stop();
        sink.WaitForDiscard();
        sink.Reset();
    }
    return latencies;
}

std::string Paragraph() {
    std::string paragraph;
    while (paragraph.size() < kParagraphLength) paragraph += kSentences + " ";
    return paragraph.substr(0, kParagraphLength);
}

std::vector<double> MeasureRealTimeFactor(upctv::SpeechSynthesizer& synthesizer,
                                          const upctv::VoiceChoice& voice, double& speechSeconds) {
    std::vector<double> factors;
    const std::string paragraph = upctv::Utf8FromWindows1252(Paragraph());
    for (int run = 0; run < kSynthesisRuns; ++run) {
        std::size_t samples = 0;
        auto start = Clock::now();
        synthesizer.Speak(paragraph, voice, [&samples](std::span<const std::int16_t> buffer) {
            samples += buffer.size();
            return true;
        });
        double seconds = std::chrono::duration<double>(Clock::now() - start).count();
        speechSeconds = double(samples) / synthesizer.SampleRate();
        factors.push_back(seconds / speechSeconds);
    }
    return factors;
}

// The resident memory of this process, in MB.
double ResidentMegabytes() {
    std::ifstream statm("/proc/self/statm");
    long pages = 0;
    long resident = 0;
    statm >> pages >> resident;
    return double(resident) * double(sysconf(_SC_PAGESIZE)) / (1024 * 1024);
}

void ReportVoice(const char* name, bool natural) {
    std::printf("== %s\n", name);
    const Latencies latencies = MeasureFirstSample(natural);
    Report("  read -> first sample handed to the output", latencies.firstSample, " ms");
    Report("  read -> first audible sample", latencies.firstAudible, " ms");
}

void ReportRealTimeFactor(const char* name, upctv::SpeechSynthesizer& synthesizer,
                          const upctv::VoiceChoice& voice) {
    double speechSeconds = 0;
    auto factors = MeasureRealTimeFactor(synthesizer, voice, speechSeconds);
    std::sort(factors.begin(), factors.end());
    std::printf(
        "%s, %zu characters: %.1f s of speech, real-time factor median %.4f, range %.4f "
        "to %.4f (%zu runs)\n",
        name, kParagraphLength, speechSeconds, factors[factors.size() / 2], factors.front(),
        factors.back(), factors.size());
}

}  // namespace

// Festival serves only the thread that started it, so the natural voice's own figures are
// taken in a child process of their own, before this one starts any thread.
void ReportNaturalSynthesisInChild(const upctv::VoiceChoice& voice) {
    std::fflush(stdout);
    const pid_t child = fork();
    if (child == 0) {
        const double before = ResidentMegabytes();
        upctv::NaturalSynthesizer natural(upctv::NaturalVoicePlace::NextToLibrary());
        if (!natural.Ready()) {
            std::printf("natural voice: %s\n", natural.Problem().c_str());
            std::_Exit(0);
        }
        std::printf("natural voice started: resident memory %.1f MB -> %.1f MB (+%.1f MB)\n",
                    before, ResidentMegabytes(), ResidentMegabytes() - before);
        upctv::VoiceChoice naturalVoice = voice;
        naturalVoice.natural = true;
        ReportRealTimeFactor("natural voice", natural, naturalVoice);
        std::fflush(stdout);
        std::_Exit(0);
    }
    int status = 0;
    waitpid(child, &status, 0);
}

int main() {
    upctv::VoiceChoice voice;
    voice.language = upctv::kLanguageCatalan;
    voice.speaker = upctv::kCatalanFemale;
    ReportNaturalSynthesisInChild(voice);
    {
        upctv::Synthesizer espeak;
        ReportRealTimeFactor("eSpeak NG", espeak, voice);
    }

    ReportVoice("eSpeak NG, Catalan female", false);
    std::printf("  target: %.0f ms\n", kTargetMilliseconds);
    ReportVoice("natural voice (Festival, Ona)", true);
    std::printf("  target: median %.0f ms, 95th percentile %.0f ms\n", kNaturalTargetMedian,
                kNaturalTargetP95);
    return 0;
}
