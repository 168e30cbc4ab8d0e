#include "platform/Cp1252.h"

#include <array>

namespace platform {
namespace {

// Unicode code points of bytes 0x80 to 0x9F; the five unassigned bytes map to
// the C1 control of the same value so that every byte survives a round trip.
constexpr std::array<char16_t, 32> kHighControls = {
    0x20AC, 0x0081, 0x201A, 0x0192, 0x201E, 0x2026, 0x2020, 0x2021, 0x02C6, 0x2030, 0x0160,
    0x2039, 0x0152, 0x008D, 0x017D, 0x008F, 0x0090, 0x2018, 0x2019, 0x201C, 0x201D, 0x2022,
    0x2013, 0x2014, 0x02DC, 0x2122, 0x0161, 0x203A, 0x0153, 0x009D, 0x017E, 0x0178};

char16_t ToUnicode(unsigned char byte) {
    if (byte >= 0x80 && byte <= 0x9F) return kHighControls[byte - 0x80];
    return byte;
}

char FromUnicode(char16_t unit) {
    if (unit < 0x80 || (unit >= 0xA0 && unit <= 0xFF)) return static_cast<char>(unit);
    for (size_t i = 0; i < kHighControls.size(); ++i) {
        if (kHighControls[i] == unit) return static_cast<char>(0x80 + i);
    }
    return '?';
}

}  // namespace

QString ToQString(std::string_view cp1252) {
    QString text;
    text.reserve(static_cast<qsizetype>(cp1252.size()));
    for (char byte : cp1252) text.append(QChar(ToUnicode(static_cast<unsigned char>(byte))));
    return text;
}

std::string FromQString(const QString& text) {
    std::string bytes;
    bytes.reserve(static_cast<size_t>(text.size()));
    for (qsizetype i = 0; i < text.size(); ++i) {
        const QChar unit = text.at(i);
        if (unit.isHighSurrogate() && i + 1 < text.size() && text.at(i + 1).isLowSurrogate()) {
            ++i;  // one character outside the code page, one '?'
            bytes.push_back('?');
            continue;
        }
        bytes.push_back(FromUnicode(unit.unicode()));
    }
    return bytes;
}

}  // namespace platform
