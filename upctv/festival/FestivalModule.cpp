#include "upctv/festival/FestivalModule.h"

#include <festival/festival.h>

#include <algorithm>
#include <array>
#include <csignal>
#include <filesystem>
#include <string>

namespace {

constexpr const char* kVoice = "upc_ca_ona_hts";
constexpr const char* kLanguageFolder = "catalan";
// A word said at start, so that the first reading finds Festival's lexicon and models loaded.
constexpr const char* kWarmUpText = "Hola";
// Buffers of 20 ms at 16 kHz, as short as eSpeak NG's, so that a stop is heard as soon.
constexpr int kBufferSamples = 320;

int startedRate = -1;

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

int Start(const std::string& folder) {
    if (!VoiceInstalled(folder)) return 0;
    SignalHandlersKept signalHandlers;
    festival_initialize(1, FESTIVAL_HEAP_SIZE);
    if (!SelectVoice(folder)) return 0;
    EST_Wave wave;
    if (!festival_text_to_wave(kWarmUpText, wave)) return 0;
    return wave.sample_rate();
}

}  // namespace

int upctvFestivalStart(const char* voiceFolder) {
    if (startedRate < 0) startedRate = Start(voiceFolder ? voiceFolder : "");
    return startedRate;
}

int upctvFestivalSay(const char* latin1, double speed, UpctvSamplesCallback onSamples, void* user) {
    if (startedRate <= 0 || !latin1 || !SetSpeed(speed)) return 0;
    EST_Wave wave;
    if (!festival_text_to_wave(latin1, wave)) return 0;
    // Copied out sample by sample: the wave's storage need not be one run of memory.
    std::array<short, kBufferSamples> buffer{};
    const int total = wave.num_samples();
    for (int start = 0; start < total; start += kBufferSamples) {
        const int count = std::min(kBufferSamples, total - start);
        for (int i = 0; i < count; ++i) buffer[i] = wave.a_no_check(start + i);
        if (!onSamples(buffer.data(), count, user)) return 0;
    }
    return 1;
}
