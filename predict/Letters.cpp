#include "predict/Letters.h"

#include <string_view>

#include "text/Case.h"

namespace predict {

namespace {

constexpr std::string_view kAccentedLetters = "\xE0\xE1\xE8\xE9\xED\xEF\xF2\xF3\xFA\xFC\xF1\xE7";
// Letters of the code page outside the range of accented small letters:
// ƒ Š Œ Ž š œ ž Ÿ ª µ º.
constexpr std::string_view kOtherLetters = "\x83\x8A\x8C\x8E\x9A\x9C\x9E\x9F\xAA\xB5\xBA";
constexpr unsigned char kSmallFirst = 0xDF;    // ß
constexpr unsigned char kDivisionSign = 0xF7;  // ÷, among the small letters

}  // namespace

bool IsWordLetter(char c) {
    return (c >= 'a' && c <= 'z') || kAccentedLetters.find(c) != std::string_view::npos;
}

bool IsForeignLetter(char c) {
    char small = text::ToSmall(c);
    auto byte = static_cast<unsigned char>(small);
    if (IsWordLetter(small)) return false;
    return (c >= '0' && c <= '9') || (byte >= kSmallFirst && byte != kDivisionSign) ||
           kOtherLetters.find(c) != std::string_view::npos || c == kUnmappable;
}

}  // namespace predict
