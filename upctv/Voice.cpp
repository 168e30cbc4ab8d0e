#include "upctv/Voice.h"

#include <algorithm>
#include <array>

namespace upctv {
namespace {

constexpr int kSlowestWordsPerMinute = 80;
constexpr int kNaturalWordsPerMinute = 175;
constexpr int kFastestWordsPerMinute = 450;

// The keyboard asks for Catalan male 0, female 2, and Castilian male 1, female 0; the
// remaining code of each language is a second voice of the same kind.
constexpr std::array<const char*, kSpeakerCount> kCatalanVoices = {"ca", "ca+m3", "ca+f3"};
constexpr std::array<const char*, kSpeakerCount> kCastilianVoices = {"es+f3", "es", "es+f4"};

int Interpolate(int value, int fromLow, int fromHigh, int toLow, int toHigh) {
    return toLow + (value - fromLow) * (toHigh - toLow) / (fromHigh - fromLow);
}

}  // namespace

bool IsKnownLanguage(int language) {
    return language == kLanguageCatalan || language == kLanguageCastilian;
}

bool IsKnownSpeaker(int speaker) { return speaker >= 0 && speaker < kSpeakerCount; }

int ClampSpeed(int speed) { return std::clamp(speed, kSlowestSpeed, kFastestSpeed); }

bool WantsNaturalVoice(const VoiceChoice& voice) {
    return voice.natural && voice.language == kLanguageCatalan && voice.speaker == kCatalanFemale;
}

std::string VoiceName(int language, int speaker) {
    const auto& voices = language == kLanguageCastilian ? kCastilianVoices : kCatalanVoices;
    return voices[IsKnownSpeaker(speaker) ? speaker : 0];
}

int WordsPerMinute(int speed) {
    int clamped = ClampSpeed(speed);
    if (clamped <= kNaturalSpeed) {
        return Interpolate(clamped, kSlowestSpeed, kNaturalSpeed, kSlowestWordsPerMinute,
                           kNaturalWordsPerMinute);
    }
    return Interpolate(clamped, kNaturalSpeed, kFastestSpeed, kNaturalWordsPerMinute,
                       kFastestWordsPerMinute);
}

}  // namespace upctv
