#include "speech/SpeechText.h"

#include <algorithm>

#include "speech/SpeechDesign.h"

namespace speech {

namespace {

// Catalan male and female, then Castilian male and female.
constexpr int kLocutorCatalaHome = 0;
constexpr int kLocutorCatalaDona = 2;
constexpr int kLocutorCastellaHome = 1;
constexpr int kLocutorCastellaDona = 0;

bool EsDigit(char c) { return c >= '0' && c <= '9'; }

}  // namespace

std::string PrepararText(std::string_view text) {
    std::string spoken(text);
    std::transform(spoken.begin(), spoken.end(), spoken.begin(), [](char c) {
        return c >= 'A' && c <= 'Z' ? static_cast<char>(c - 'A' + 'a') : c;
    });
    if (spoken == "m" || spoken == "m.") spoken = "eme";
    return spoken + ' ';
}

std::string RetallarCarpeta(std::string_view clipboard) {
    const std::string_view text = clipboard.substr(0, clipboard.find('\0'));
    return std::string(text.substr(0, kMaximCarpeta));
}

int ConvertirVelocitat(std::string_view text) {
    // Beyond this every value is out of range alike; stopping here keeps the sum from overflowing.
    constexpr long long kSostre = 1'000'000;
    size_t i = text.find_first_not_of(" \t");
    if (i == std::string_view::npos) return 0;
    int sign = 1;
    if (text[i] == '+' || text[i] == '-') sign = text[i++] == '-' ? -1 : 1;
    long long value = 0;
    for (; i < text.size() && EsDigit(text[i]); ++i) {
        value = std::min(value * 10 + (text[i] - '0'), kSostre);
    }
    return static_cast<int>(sign * value);
}

CodisDeVeu CodisPerA(bool catala, bool dona) {
    if (catala) return {kLlenguaCatala, dona ? kLocutorCatalaDona : kLocutorCatalaHome};
    return {kLlenguaCastella, dona ? kLocutorCastellaDona : kLocutorCastellaHome};
}

}  // namespace speech
