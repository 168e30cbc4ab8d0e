// The typographic keysyms of Windows-1252's extra characters are off by default.
#define XK_PUBLISHING
#define XK_TECHNICAL
#include "platform/CharacterKeysyms.h"

#include <X11/keysym.h>

#include <QChar>
#include <array>
#include <cstddef>
#include <string_view>
#include <utility>

#include "platform/Cp1252.h"

namespace platform {
namespace {

constexpr unsigned long kNoSymbol = 0;
// Keysyms are Latin-1 code points below kLatin1End and Unicode code points plus this above.
constexpr char32_t kLatin1End = 0x100;
constexpr unsigned long kUnicodeKeysyms = 0x01000000;

// Older keysyms that layouts still use for the Windows-1252 characters beyond Latin-1.
constexpr std::array<std::pair<char32_t, unsigned long>, 23> kLegacyKeysyms = {{
    {0x20AC, XK_EuroSign},
    {0x201A, XK_singlelowquotemark},
    {0x0192, XK_function},
    {0x201E, XK_doublelowquotemark},
    {0x2026, XK_ellipsis},
    {0x2020, XK_dagger},
    {0x2021, XK_doubledagger},
    {0x2030, XK_permille},
    {0x0160, XK_Scaron},
    {0x0152, XK_OE},
    {0x017D, XK_Zcaron},
    {0x2018, XK_leftsinglequotemark},
    {0x2019, XK_rightsinglequotemark},
    {0x201C, XK_leftdoublequotemark},
    {0x201D, XK_rightdoublequotemark},
    {0x2022, XK_enfilledcircbullet},
    {0x2013, XK_endash},
    {0x2014, XK_emdash},
    {0x2122, XK_trademark},
    {0x0161, XK_scaron},
    {0x0153, XK_oe},
    {0x017E, XK_zcaron},
    {0x0178, XK_Ydiaeresis},
}};

constexpr std::array<std::pair<char32_t, unsigned long>, 4> kControlKeysyms = {{
    {0x08, XK_BackSpace},
    {0x09, XK_Tab},
    {0x0D, XK_Return},
    {0x1B, XK_Escape},
}};

constexpr std::array<std::pair<char32_t, unsigned long>, 8> kDeadKeysyms = {{
    {U'`', XK_dead_grave},
    {U'´', XK_dead_acute},
    {U'^', XK_dead_circumflex},
    {U'ˆ', XK_dead_circumflex},
    {U'~', XK_dead_tilde},
    {U'˜', XK_dead_tilde},
    {U'¨', XK_dead_diaeresis},
    {U'¸', XK_dead_cedilla},
}};

template <size_t N>
unsigned long Lookup(const std::array<std::pair<char32_t, unsigned long>, N>& table,
                     char32_t character) {
    for (const auto& [code, keysym] : table) {
        if (code == character) return keysym;
    }
    return kNoSymbol;
}

// Controls (C0, DEL, C1 and the five bytes Windows-1252 leaves unassigned) type nothing.
bool IsControl(char32_t character) { return QChar::category(character) == QChar::Other_Control; }

char32_t UnicodeOf(char character) {
    return ToQString(std::string_view(&character, 1)).front().unicode();
}

}  // namespace

std::vector<unsigned long> KeysymsTyping(char cp1252) {
    const char32_t character = UnicodeOf(cp1252);
    if (const unsigned long control = Lookup(kControlKeysyms, character); control != kNoSymbol) {
        return {control};
    }
    if (IsControl(character)) return {};
    if (character < kLatin1End) return {static_cast<unsigned long>(character)};
    std::vector<unsigned long> keysyms{kUnicodeKeysyms + character};
    if (const unsigned long legacy = Lookup(kLegacyKeysyms, character); legacy != kNoSymbol) {
        keysyms.push_back(legacy);
    }
    return keysyms;
}

unsigned long DeadKeysymTyping(char cp1252) { return Lookup(kDeadKeysyms, UnicodeOf(cp1252)); }

}  // namespace platform
