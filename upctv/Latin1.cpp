#include "upctv/Latin1.h"

#include <array>
#include <utility>

#include "text/Cp1252.h"

namespace upctv {
namespace {

constexpr char kBlank = ' ';
constexpr unsigned char kFirstWindowsSign = 0x80;
constexpr unsigned char kLastWindowsSign = 0x9F;

constexpr std::array<std::pair<unsigned char, const char*>, 12> kLookAlikes = {{
    {0x80, " euros "},
    {0x82, "'"},
    {0x84, "\""},
    {0x85, "..."},
    {0x8B, "'"},
    {0x91, "'"},
    {0x92, "'"},
    {0x93, "\""},
    {0x94, "\""},
    {0x96, "-"},
    {0x97, "-"},
    {0x9B, "'"},
}};

std::string LookAlike(unsigned char sign) {
    for (const auto& [code, text] : kLookAlikes) {
        if (code == sign) return text;
    }
    return std::string(1, kBlank);
}

}  // namespace

std::string Latin1FromUtf8(std::string_view utf8) {
    const auto cp1252 = text::FromUtf8(utf8, kBlank);
    if (!cp1252) return {};
    std::string latin1;
    latin1.reserve(cp1252->size());
    for (char byte : *cp1252) {
        const auto value = static_cast<unsigned char>(byte);
        if (value >= kFirstWindowsSign && value <= kLastWindowsSign) {
            latin1 += LookAlike(value);
        } else {
            latin1 += byte;
        }
    }
    return latin1;
}

}  // namespace upctv
