#pragma once

#include <string>

namespace upctv {

// Language codes are the character codes of the first letter of the language's name.
constexpr int kLanguageCatalan = 99;
constexpr int kLanguageCastilian = 101;
constexpr int kSpeakerCount = 3;
// The speaker code the keyboard uses for a Catalan female voice.
constexpr int kCatalanFemale = 2;
constexpr int kSlowestSpeed = 1;
constexpr int kNaturalSpeed = 100;
constexpr int kFastestSpeed = 255;

// What the keyboard has chosen; the library starts with a Catalan male voice at a natural rate.
struct VoiceChoice {
    int language = kLanguageCatalan;
    int speaker = 0;
    int speed = kNaturalSpeed;
    // The user has asked for the natural voice where there is one.
    bool natural = false;
};

bool IsKnownLanguage(int language);
bool IsKnownSpeaker(int speaker);
int ClampSpeed(int speed);
// The natural voice is Catalan and female: every other voice stays eSpeak NG's.
bool WantsNaturalVoice(const VoiceChoice& voice);

// The synthesiser's voice name ("ca", "es+f3" ...) for a language and speaker.
std::string VoiceName(int language, int speaker);
// Speed 1 is the synthesiser's slowest rate, 100 its natural one, 255 its fastest.
int WordsPerMinute(int speed);

}  // namespace upctv
