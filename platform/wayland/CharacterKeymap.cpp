#include "platform/wayland/CharacterKeymap.h"

#include <QChar>
#include <QString>
#include <algorithm>
#include <string_view>

#include "platform/Constants.h"
#include "platform/Cp1252.h"

namespace platform::wayland {
namespace {

// A key the design names by its virtual-key code, at its usual Linux input event code so that
// programs that look at where a key is rather than what it types still find it.
struct NamedKey {
    uint8_t vk;
    uint32_t key;
    const char* keysym;
    const char* modifier;
};

constexpr uint8_t kVkEscape = 0x1B;

constexpr std::array<NamedKey, 17> kNamedKeys = {{
    {kVkEscape, 1, "Escape", nullptr},
    {VK_BACK, 14, "BackSpace", nullptr},
    {VK_TAB, 15, "Tab", nullptr},
    {VK_RETURN, 28, "Return", nullptr},
    {VK_CONTROL, 29, "Control_L", "Control"},
    {VK_SHIFT, 42, "Shift_L", "Shift"},
    {VK_MENU, 56, "Alt_L", "Mod1"},
    {VK_HOME, 102, "Home", nullptr},
    {VK_UP, 103, "Up", nullptr},
    {VK_PRIOR, 104, "Prior", nullptr},
    {VK_LEFT, 105, "Left", nullptr},
    {VK_RIGHT, 106, "Right", nullptr},
    {VK_END, 107, "End", nullptr},
    {VK_DOWN, 108, "Down", nullptr},
    {VK_NEXT, 109, "Next", nullptr},
    {VK_INSERT, 110, "Insert", nullptr},
    {VK_DELETE, 111, "Delete", nullptr},
}};

// The control characters a key can hold are typed by the named key that sends them.
constexpr std::array<std::pair<char, uint8_t>, 4> kControlKeys = {{
    {'\b', VK_BACK},
    {'\t', VK_TAB},
    {'\r', VK_RETURN},
    {'\x1B', kVkEscape},
}};

// XKB numbers keys from 8 above the input event codes, and X clients see no key above 255.
constexpr uint32_t kXkbOffset = 8;
constexpr uint32_t kFirstFreeKey = 2;
constexpr uint32_t kKeyLimit = 255 - kXkbOffset;
constexpr int16_t kShiftState = 0x100;

std::string KeyName(uint32_t key) { return "<K" + std::to_string(key + kXkbOffset) + ">"; }

char32_t UnicodeOf(char character) {
    return ToQString(std::string_view(&character, 1)).front().unicode();
}

// Every Unicode keysym name is "U" with the code point in hexadecimal.
std::string UnicodeKeysym(char32_t character) {
    return QStringLiteral("U%1")
        .arg(static_cast<uint>(character), 4, 16, QLatin1Char('0'))
        .toUpper()
        .toStdString();
}

bool IsNamedKey(uint32_t key) {
    return std::any_of(kNamedKeys.begin(), kNamedKeys.end(),
                       [key](const NamedKey& named) { return named.key == key; });
}

}  // namespace

std::optional<uint32_t> NamedKeyCode(uint8_t vk) {
    for (const NamedKey& named : kNamedKeys) {
        if (named.vk == vk) return named.key;
    }
    return std::nullopt;
}

std::optional<uint8_t> ControlKeyTyping(char character) {
    for (const auto& [control, vk] : kControlKeys) {
        if (character == control) return vk;
    }
    return std::nullopt;
}

CharacterKeymap::CharacterKeymap() {
    std::string keycodes;
    std::string symbols;
    std::string modifiers;
    auto addKey = [&](uint32_t key, const std::string& keysym) {
        keycodes += "        " + KeyName(key) + " = " + std::to_string(key + kXkbOffset) + ";\n";
        symbols += "        key " + KeyName(key) + " { [ " + keysym + " ] };\n";
    };
    for (const NamedKey& named : kNamedKeys) {
        virtualKeys_[named.vk] = named.key;
        addKey(named.key, named.keysym);
        if (named.modifier != nullptr) {
            modifiers += std::string("        modifier_map ") + named.modifier + " { " +
                         KeyName(named.key) + " };\n";
        }
    }
    for (const auto& [control, vk] : kControlKeys) {
        characterKeys_[static_cast<uint8_t>(control)] = virtualKeys_[vk];
    }
    uint32_t next = kFirstFreeKey;
    for (int byte = 0; byte < 256; ++byte) {
        const char character = static_cast<char>(byte);
        const char32_t unicode = UnicodeOf(character);
        if (QChar::category(unicode) == QChar::Other_Control) continue;
        while (IsNamedKey(next)) ++next;
        if (next > kKeyLimit) break;
        characterKeys_[byte] = next;
        addKey(next, UnicodeKeysym(unicode));
        ++next;
    }
    for (char letter = 'A'; letter <= 'Z'; ++letter) {
        virtualKeys_[static_cast<uint8_t>(letter)] = characterKeys_[letter - 'A' + 'a'];
    }
    for (char digit = '0'; digit <= '9'; ++digit) {
        virtualKeys_[static_cast<uint8_t>(digit)] = characterKeys_[static_cast<uint8_t>(digit)];
    }
    virtualKeys_[' '] = characterKeys_[' '];
    text_ =
        "xkb_keymap {\n"
        "    xkb_keycodes \"orvalet\" {\n"
        "        minimum = 8;\n"
        "        maximum = 255;\n" +
        keycodes +
        "    };\n"
        "    xkb_types \"orvalet\" { include \"complete\" };\n"
        "    xkb_compatibility \"orvalet\" { include \"complete\" };\n"
        "    xkb_symbols \"orvalet\" {\n" +
        symbols + modifiers +
        "    };\n"
        "};\n";
}

std::optional<uint32_t> CharacterKeymap::KeyTyping(char character) const {
    return characterKeys_[static_cast<uint8_t>(character)];
}

std::optional<uint32_t> CharacterKeymap::KeyOf(uint8_t vk) const { return virtualKeys_[vk]; }

int16_t CharacterKeymap::VkKeyScan(char character) const {
    if (const std::optional<uint8_t> control = ControlKeyTyping(character)) return *control;
    if (character >= 'a' && character <= 'z') return static_cast<int16_t>(character - 'a' + 'A');
    if (character >= 'A' && character <= 'Z') return static_cast<int16_t>(character | kShiftState);
    if ((character >= '0' && character <= '9') || character == ' ') return character;
    return -1;
}

}  // namespace platform::wayland
