#pragma once

#include <string>

namespace upctv {

// Language codes are the character codes of the first letter of the language's name.
constexpr int kLanguageCatalan = 99;
constexpr int kLanguageCastilian = 101;
constexpr int kSpeakerCount = 3;
constexpr int kSlowestSpeed = 1;
constexpr int kNaturalSpeed = 100;
constexpr int kFastestSpeed = 255;

// What the keyboard has chosen; the library starts with a Catalan male voice at a natural rate.
struct VoiceChoice {
    int language = kLanguageCatalan;
    int speaker = 0;
    int speed = kNaturalSpeed;
};

bool IsKnownLanguage(int language);
bool IsKnownSpeaker(int speaker);
int ClampSpeed(int speed);

// The synthesiser's voice name ("ca", "es+f3" ...) for a language and speaker.
std::string VoiceName(int language, int speaker);
// Speed 1 is the synthesiser's slowest rate, 100 its natural one, 255 its fastest.
int WordsPerMinute(int speed);

}  // namespace upctv
