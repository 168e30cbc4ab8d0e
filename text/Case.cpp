#include "text/Case.h"

#include <array>
#include <utility>

namespace text {
namespace {

// In the Latin-1 block a capital and its small letter are 0x20 apart, from À to Þ, except for
// the multiplication and division signs.
constexpr unsigned char kCaseDistance = 0x20;
constexpr unsigned char kFirstLatinCapital = 0xC0, kLastLatinCapital = 0xDE;
constexpr unsigned char kMultiplicationSign = 0xD7;

// The pairs outside that block: Š š, Œ œ, Ž ž, Ÿ ÿ.
constexpr std::array<std::pair<unsigned char, unsigned char>, 4> kOtherPairs = {
    {{0x8A, 0x9A}, {0x8C, 0x9C}, {0x8E, 0x9E}, {0x9F, 0xFF}}};

bool IsLatinCapital(unsigned char byte) {
    return (byte >= 'A' && byte <= 'Z') ||
           (byte >= kFirstLatinCapital && byte <= kLastLatinCapital && byte != kMultiplicationSign);
}

bool IsLatinSmall(unsigned char byte) {
    return byte >= kCaseDistance &&
           IsLatinCapital(static_cast<unsigned char>(byte - kCaseDistance));
}

template <typename Map>
std::string Mapped(std::string_view text, Map map) {
    std::string mapped(text);
    for (char& character : mapped) character = map(character);
    return mapped;
}

}  // namespace

char LowerAscii(char character) {
    return character >= 'A' && character <= 'Z' ? static_cast<char>(character - 'A' + 'a')
                                                : character;
}

std::string LowerAscii(std::string_view text) {
    return Mapped(text, [](char character) { return LowerAscii(character); });
}

char ToSmall(char character) {
    const auto byte = static_cast<unsigned char>(character);
    if (IsLatinCapital(byte)) return static_cast<char>(byte + kCaseDistance);
    for (const auto& [capital, small] : kOtherPairs) {
        if (byte == capital) return static_cast<char>(small);
    }
    return character;
}

std::string ToSmall(std::string_view text) {
    return Mapped(text, [](char character) { return ToSmall(character); });
}

char ToCapital(char character) {
    const auto byte = static_cast<unsigned char>(character);
    if (IsLatinSmall(byte)) return static_cast<char>(byte - kCaseDistance);
    for (const auto& [capital, small] : kOtherPairs) {
        if (byte == small) return static_cast<char>(capital);
    }
    return character;
}

std::string ToCapital(std::string_view text) {
    return Mapped(text, [](char character) { return ToCapital(character); });
}

}  // namespace text
