#include "text/Cp1252.h"

#include <algorithm>
#include <array>

namespace text {
namespace {

constexpr unsigned char kHighBlockFirst = 0x80, kHighBlockLast = 0x9F;

// Code points of bytes 0x80 to 0x9F; an unassigned byte maps to the C1 control of its value.
constexpr std::array<char32_t, 32> kHighBlock = {
    0x20AC, 0x0081, 0x201A, 0x0192, 0x201E, 0x2026, 0x2020, 0x2021, 0x02C6, 0x2030, 0x0160,
    0x2039, 0x0152, 0x008D, 0x017D, 0x008F, 0x0090, 0x2018, 0x2019, 0x201C, 0x201D, 0x2022,
    0x2013, 0x2014, 0x02DC, 0x2122, 0x0161, 0x203A, 0x0153, 0x009D, 0x017E, 0x0178};

bool InHighBlock(unsigned char byte) { return byte >= kHighBlockFirst && byte <= kHighBlockLast; }

// Length of the UTF-8 sequence a lead byte opens, or 0 for a byte that cannot lead.
int SequenceLength(unsigned char lead) {
    if (lead < 0x80) return 1;
    if (lead >= 0xC2 && lead <= 0xDF) return 2;
    if (lead >= 0xE0 && lead <= 0xEF) return 3;
    if (lead >= 0xF0 && lead <= 0xF4) return 4;
    return 0;
}

// The smallest code point each length may encode: longer forms are invalid.
constexpr std::array<char32_t, 5> kShortest = {0, 0, 0x80, 0x800, 0x10000};

void AppendUtf8(std::string& out, char32_t code) {
    if (code < 0x80) {
        out.push_back(static_cast<char>(code));
    } else if (code < 0x800) {
        out.push_back(static_cast<char>(0xC0 | (code >> 6)));
        out.push_back(static_cast<char>(0x80 | (code & 0x3F)));
    } else {
        out.push_back(static_cast<char>(0xE0 | (code >> 12)));
        out.push_back(static_cast<char>(0x80 | ((code >> 6) & 0x3F)));
        out.push_back(static_cast<char>(0x80 | (code & 0x3F)));
    }
}

}  // namespace

char32_t ToUnicode(char byte) {
    const auto value = static_cast<unsigned char>(byte);
    return InHighBlock(value) ? kHighBlock[value - kHighBlockFirst] : value;
}

std::optional<char> FromUnicode(char32_t code) {
    if (code < kHighBlockFirst || (code > kHighBlockLast && code <= 0xFF)) {
        return static_cast<char>(code);
    }
    const auto found = std::ranges::find(kHighBlock, code);
    if (found == kHighBlock.end()) return std::nullopt;
    return static_cast<char>(kHighBlockFirst + (found - kHighBlock.begin()));
}

bool IsAssigned(char byte) {
    const char32_t code = ToUnicode(byte);
    return !(code >= kHighBlockFirst && code <= kHighBlockLast);
}

std::string ToUtf8(std::string_view cp1252) {
    std::string utf8;
    utf8.reserve(cp1252.size() + cp1252.size() / 8);
    for (char byte : cp1252) AppendUtf8(utf8, ToUnicode(byte));
    return utf8;
}

std::optional<std::string> FromUtf8(std::string_view utf8, char unmappable) {
    std::string bytes;
    bytes.reserve(utf8.size());
    for (std::size_t i = 0; i < utf8.size();) {
        const auto lead = static_cast<unsigned char>(utf8[i]);
        const int length = SequenceLength(lead);
        if (length == 0 || i + length > utf8.size()) return std::nullopt;
        char32_t code = length == 1 ? lead : lead & (0x7F >> length);
        for (int k = 1; k < length; ++k) {
            const auto next = static_cast<unsigned char>(utf8[i + k]);
            if ((next & 0xC0) != 0x80) return std::nullopt;
            code = (code << 6) | (next & 0x3F);
        }
        if (code < kShortest[length] || code > 0x10FFFF || (code >= 0xD800 && code <= 0xDFFF)) {
            return std::nullopt;
        }
        bytes.push_back(FromUnicode(code).value_or(unmappable));
        i += length;
    }
    return bytes;
}

}  // namespace text
