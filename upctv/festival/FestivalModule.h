#pragma once

// The C interface between the speech library and its Festival module. The module is a
// library of its own, loaded only when the natural voice is asked for, so that the speech
// library starts and works without Festival installed. Every call comes from the library's
// speaking thread: Festival keeps one state per process and is not thread-safe.

#define UPCTV_FESTIVAL_EXPORT __attribute__((visibility("default")))

extern "C" {

// Receives each buffer of 16-bit samples; returning 0 abandons the rest of the text.
using UpctvSamplesCallback = int (*)(const short* samples, int count, void* user);

// Starts Festival and selects the Ona voice found under `voiceFolder` (a folder of
// LANGUAGE/NAME voice folders); the voice's sample rate, or 0 when it cannot be used.
// Festival starts once per process, and only the thread that started it may use it: later
// calls give the first call's answer on that thread, and 0 on any other.
UPCTV_FESTIVAL_EXPORT int upctvFestivalStart(const char* voiceFolder);

// Says a Latin-1 text, `speed` times faster than the voice's own rate; 1 when the whole text
// was said, 0 when Festival could not say it or the callback abandoned it.
UPCTV_FESTIVAL_EXPORT int upctvFestivalSay(const char* latin1, double speed,
                                           UpctvSamplesCallback onSamples, void* user);
}

namespace upctv::festival {

constexpr const char* kModuleFile = "libupctv_festival.so";
constexpr const char* kStartSymbol = "upctvFestivalStart";
constexpr const char* kSaySymbol = "upctvFestivalSay";
// Debian's festvox-ca-ona-hts puts the voice here.
constexpr const char* kSystemVoiceFolder = "/usr/share/festival/voices";

}  // namespace upctv::festival
