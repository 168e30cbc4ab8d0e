#include "platform/fake/FakeLayout.h"

#include <map>

namespace platform {
namespace {

constexpr int16_t kShift = 0x100;
constexpr int16_t kAltGr = 0x600;

const std::map<unsigned char, int16_t>& SignKeys() {
    static const std::map<unsigned char, int16_t> keys = {
        {' ', 0x20},
        {13, 0x0D},
        {8, 0x08},
        {9, 0x09},
        {0xF1, 0xC0},
        {0xD1, kShift | 0xC0},
        {'`', 0xBA},
        {'^', kShift | 0xBA},
        {0xB4, 0xDE},
        {0xA8, kShift | 0xDE},
        {'\'', 0xDB},
        {'?', kShift | 0xDB},
        {0xA1, 0xDD},
        {0xBF, kShift | 0xDD},
        {0xBA, 0xDC},
        {0xAA, kShift | 0xDC},
        {'\\', kAltGr | 0xDC},
        {'+', 0xBB},
        {'*', kShift | 0xBB},
        {'-', 0xBD},
        {'_', kShift | 0xBD},
        {'.', 0xBE},
        {':', kShift | 0xBE},
        {',', 0xBC},
        {';', kShift | 0xBC},
        {0xE7, 0xBF},
        {0xC7, kShift | 0xBF},
        {'<', 0xE2},
        {'>', kShift | 0xE2},
        {'!', kShift | '1'},
        {'"', kShift | '2'},
        {0xB7, kShift | '3'},
        {'$', kShift | '4'},
        {'%', kShift | '5'},
        {'&', kShift | '6'},
        {'/', kShift | '7'},
        {'(', kShift | '8'},
        {')', kShift | '9'},
        {'=', kShift | '0'},
        {'|', kAltGr | '1'},
        {'@', kAltGr | '2'},
        {'#', kAltGr | '3'},
        {'[', kAltGr | 0xBA},
        {']', kAltGr | 0xBB},
        {'{', kAltGr | 0xDE},
        {'}', kAltGr | 0xBF},
        {0x80, kAltGr | 'E'},
    };
    return keys;
}

}  // namespace

int16_t SpanishVkKeyScan(char character) {
    const auto byte = static_cast<unsigned char>(character);
    if (byte >= 'a' && byte <= 'z') return static_cast<int16_t>(byte - 'a' + 'A');
    if (byte >= 'A' && byte <= 'Z') return static_cast<int16_t>(kShift | byte);
    if (byte >= '0' && byte <= '9') return static_cast<int16_t>(byte);
    const auto& signs = SignKeys();
    auto it = signs.find(byte);
    return it == signs.end() ? int16_t{-1} : it->second;
}

}  // namespace platform
