#include "analysis/CaseFold.h"

namespace analysis {
namespace {

// Windows-1252 pairs outside the Latin-1 block: Š Œ Ž Ÿ and their small letters.
constexpr unsigned char kCapitalS = 0x8A, kCapitalOE = 0x8C, kCapitalZ = 0x8E, kCapitalY = 0x9F;
constexpr unsigned char kSmallS = 0x9A, kSmallOE = 0x9C, kSmallZ = 0x9E, kSmallY = 0xFF;
// In the Latin-1 block a capital and its small letter are 0x20 apart, from À to Þ, except
// for the multiplication and division signs.
constexpr unsigned char kCaseDistance = 0x20;
constexpr unsigned char kFirstLatinCapital = 0xC0, kLastLatinCapital = 0xDE;
constexpr unsigned char kMultiplication = 0xD7;

bool IsLatinCapital(unsigned char byte) {
    return (byte >= 'A' && byte <= 'Z') ||
           (byte >= kFirstLatinCapital && byte <= kLastLatinCapital && byte != kMultiplication);
}

bool IsLatinSmall(unsigned char byte) {
    return byte >= kCaseDistance &&
           IsLatinCapital(static_cast<unsigned char>(byte - kCaseDistance));
}

}  // namespace

char InSmallLetters(char character) {
    const auto byte = static_cast<unsigned char>(character);
    if (IsLatinCapital(byte)) return static_cast<char>(byte + kCaseDistance);
    switch (byte) {
        case kCapitalS:
            return static_cast<char>(kSmallS);
        case kCapitalOE:
            return static_cast<char>(kSmallOE);
        case kCapitalZ:
            return static_cast<char>(kSmallZ);
        case kCapitalY:
            return static_cast<char>(kSmallY);
        default:
            return character;
    }
}

char InCapitals(char character) {
    const auto byte = static_cast<unsigned char>(character);
    if (IsLatinSmall(byte)) return static_cast<char>(byte - kCaseDistance);
    switch (byte) {
        case kSmallS:
            return static_cast<char>(kCapitalS);
        case kSmallOE:
            return static_cast<char>(kCapitalOE);
        case kSmallZ:
            return static_cast<char>(kCapitalZ);
        case kSmallY:
            return static_cast<char>(kCapitalY);
        default:
            return character;
    }
}

std::string InSmallLetters(std::string_view text) {
    std::string small(text);
    for (char& character : small) character = InSmallLetters(character);
    return small;
}

std::string InCapitals(std::string_view text) {
    std::string capitals(text);
    for (char& character : capitals) character = InCapitals(character);
    return capitals;
}

}  // namespace analysis
