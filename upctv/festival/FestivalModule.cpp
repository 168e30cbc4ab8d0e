#include "upctv/festival/FestivalModule.h"

#include <festival/festival.h>

#include <algorithm>
#include <array>
#include <csignal>
#include <cstdlib>
#include <filesystem>
#include <string>
#include <thread>

// Where Festival's collector starts scanning the stack; its library exports it.
extern LISP* stack_start_ptr;

namespace {

constexpr const char* kVoice = "upc_ca_ona_hts";
constexpr const char* kLanguageFolder = "catalan";
// A word said at start, so that the first reading finds Festival's lexicon and models loaded.
constexpr const char* kWarmUpText = "Hola";
// Buffers of 20 ms at 16 kHz, as short as eSpeak NG's, so that a stop is heard as soon.
constexpr int kBufferSamples = 320;
// Cells of Festival's Lisp heap: its own default of ten million holds 300 MB; a reading needs
// far fewer, and the collector frees them between readings.
constexpr int kHeapCells = 1000000;
// The voice opens and closes every text with half a second of silence: a scanning user would
// wait for it at every key. A little is kept before the voice and a pause after it.
// Its silence is not quite silent: anything below a twentieth of the wave's peak is taken
// for it.
constexpr int kSilenceFraction = 20;
constexpr double kKeptBeforeSeconds = 0.02;
constexpr double kKeptAfterSeconds = 0.15;

int startedRate = -1;
// Festival's collector scans the stack of the thread that started it, so that thread alone may
// use it: another is refused rather than crashed.
std::thread::id startedOn;

bool OnFestivalsThread() { return std::this_thread::get_id() == startedOn; }

// Festival's collector keeps the Lisp objects that the stack points to, scanning from where
// the stack started when Festival did. A call that comes in through a shallower frame would
// leave frames unscanned and their objects freed under them, so every call marks its own
// entry as the start.
class StackStartMarked {
  public:
    StackStartMarked() { Mark(); }
    void Mark() { stack_start_ptr = &marker_; }

  private:
    LISP marker_ = nullptr;
};

struct Span {
    int start = 0;
    int end = 0;
};

// The voice within a wave, with the silence kept around it.
Span AudibleSpan(const EST_Wave& wave) {
    const int total = wave.num_samples();
    int peak = 0;
    for (int i = 0; i < total; ++i) peak = std::max(peak, std::abs(int(wave.a_no_check(i))));
    const int silence = peak / kSilenceFraction;
    int first = 0;
    while (first < total && std::abs(wave.a_no_check(first)) <= silence) ++first;
    if (first == total) return {};
    int last = total - 1;
    while (last > first && std::abs(wave.a_no_check(last)) <= silence) --last;
    const int rate = wave.sample_rate();
    return {std::max(0, first - static_cast<int>(kKeptBeforeSeconds * rate)),
            std::min(total, last + 1 + static_cast<int>(kKeptAfterSeconds * rate))};
}

bool VoiceInstalled(const std::filesystem::path& folder) {
    std::error_code error;
    const std::string voice = kVoice;
    return std::filesystem::is_regular_file(
        folder / kLanguageFolder / voice / "festvox" / (voice + ".scm"), error);
}

// A Scheme string literal holding `text`.
std::string Quoted(const std::string& text) {
    std::string quoted = "\"";
    for (char c : text) {
        if (c == '"' || c == '\\') quoted += '\\';
        quoted += c;
    }
    return quoted + "\"";
}

bool Eval(const std::string& expression) { return festival_eval_command(expression.c_str()); }

// Festival's interpreter installs handlers for the signals it meets in a terminal; the
// process that loaded the speech library keeps its own.
class SignalHandlersKept {
  public:
    SignalHandlersKept() {
        for (std::size_t i = 0; i < kSignals.size(); ++i)
            sigaction(kSignals[i], nullptr, &kept_[i]);
    }
    ~SignalHandlersKept() {
        for (std::size_t i = 0; i < kSignals.size(); ++i)
            sigaction(kSignals[i], &kept_[i], nullptr);
    }
    SignalHandlersKept(const SignalHandlersKept&) = delete;
    SignalHandlersKept& operator=(const SignalHandlersKept&) = delete;

  private:
    static constexpr std::array kSignals = {SIGINT, SIGFPE, SIGPIPE, SIGSEGV, SIGBUS};
    std::array<struct sigaction, kSignals.size()> kept_{};
};

// Loads the voice from the folder asked for, whatever Festival found on its own voice path.
bool SelectVoice(const std::filesystem::path& folder) {
    const std::string voice = kVoice;
    const auto voiceFolder = folder / kLanguageFolder / voice;
    return Eval("(set! voice-locations (cons (cons '" + voice + " " +
                Quoted(voiceFolder.string() + "/") + ") voice-locations))") &&
           Eval("(load " + Quoted((voiceFolder / "festvox" / (voice + ".scm")).string()) + ")") &&
           Eval("(voice_" + voice + ")");
}

// Sets the rate through the HTS engine's own speed option, which keeps the voice's pitch.
bool SetSpeed(double speed) {
    return Eval(std::string("(set! hts_engine_params (append ") + kVoice +
                "::hts_engine_params (list (list \"-r\" " + std::to_string(speed) + "))))");
}

int Start(const std::string& folder, StackStartMarked& stackStart) {
    if (!VoiceInstalled(folder)) return 0;
    SignalHandlersKept signalHandlers;
    festival_initialize(1, kHeapCells);
    stackStart.Mark();
    if (!SelectVoice(folder)) return 0;
    EST_Wave wave;
    if (!festival_text_to_wave(kWarmUpText, wave)) return 0;
    return wave.sample_rate();
}

}  // namespace

int upctvFestivalStart(const char* voiceFolder) {
    if (startedRate < 0) {
        StackStartMarked stackStart;
        startedOn = std::this_thread::get_id();
        startedRate = Start(voiceFolder ? voiceFolder : "", stackStart);
    }
    return OnFestivalsThread() ? startedRate : 0;
}

int upctvFestivalSay(const char* latin1, double speed, UpctvSamplesCallback onSamples, void* user) {
    if (startedRate <= 0 || !OnFestivalsThread() || !latin1) return 0;
    StackStartMarked stackStart;
    EST_Wave wave;
    if (!SetSpeed(speed) || !festival_text_to_wave(latin1, wave)) return 0;
    // Copied out sample by sample: the wave's storage need not be one run of memory.
    std::array<short, kBufferSamples> buffer{};
    const Span voice = AudibleSpan(wave);
    for (int start = voice.start; start < voice.end; start += kBufferSamples) {
        const int count = std::min(kBufferSamples, voice.end - start);
        for (int i = 0; i < count; ++i) buffer[i] = wave.a_no_check(start + i);
        if (!onSamples(buffer.data(), count, user)) return 0;
    }
    return 1;
}
