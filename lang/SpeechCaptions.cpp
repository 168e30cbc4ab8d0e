#include <array>

#include "lang/CaptionTable.h"

namespace lang {
namespace {

// One row per caption in the order of SpeechText; columns in the order of Llengua.
constexpr std::array<std::array<const char*, kLlengues>, kSpeechTexts> kSpeechTable = {{
    {"Veu natural", "Voz natural", "Ahots naturala", "Voz natural", "Voz natural"},
}};

}  // namespace

const char* Text(SpeechText text, Llengua llengua) {
    return kSpeechTable[static_cast<size_t>(text)][static_cast<size_t>(llengua)];
}

}  // namespace lang
