#include "upctv/Utf8.h"

#include <array>

namespace upctv {
namespace {

constexpr char32_t kBlank = U' ';

// Code points of bytes 0x80 to 0x9F; 0 marks the bytes Windows-1252 leaves unassigned.
constexpr std::array<char32_t, 32> kHighBlock = {
    0x20AC, 0,      0x201A, 0x0192, 0x201E, 0x2026, 0x2020, 0x2021, 0x02C6, 0x2030, 0x0160,
    0x2039, 0x0152, 0,      0x017D, 0,      0,      0x2018, 0x2019, 0x201C, 0x201D, 0x2022,
    0x2013, 0x2014, 0x02DC, 0x2122, 0x0161, 0x203A, 0x0153, 0,      0x017E, 0x0178};

char32_t CodePoint(unsigned char byte) {
    if (byte == '\n' || byte == '\t') return byte;
    if (byte < 0x20 || byte == 0x7F) return kBlank;
    if (byte >= 0x80 && byte <= 0x9F) {
        char32_t mapped = kHighBlock[byte - 0x80];
        return mapped ? mapped : kBlank;
    }
    return byte;
}

void AppendUtf8(std::string& out, char32_t cp) {
    if (cp < 0x80) {
        out += static_cast<char>(cp);
    } else if (cp < 0x800) {
        out += static_cast<char>(0xC0 | (cp >> 6));
        out += static_cast<char>(0x80 | (cp & 0x3F));
    } else {
        out += static_cast<char>(0xE0 | (cp >> 12));
        out += static_cast<char>(0x80 | ((cp >> 6) & 0x3F));
        out += static_cast<char>(0x80 | (cp & 0x3F));
    }
}

}  // namespace

std::string Utf8FromWindows1252(std::string_view text) {
    std::string out;
    out.reserve(text.size() * 2);
    for (char byte : text) AppendUtf8(out, CodePoint(static_cast<unsigned char>(byte)));
    return out;
}

}  // namespace upctv
