#include <gtest/gtest.h>
#include <xkbcommon/xkbcommon.h>

#include <memory>
#include <set>
#include <string>
#include <vector>

#include "platform/Constants.h"
#include "platform/wayland/CharacterKeymap.h"

namespace {

using platform::wayland::CharacterKeymap;

// XKB numbers keys 8 above the input event codes that the virtual keyboard sends.
constexpr uint32_t kXkbOffset = 8;

// The keymap as a compositor and a client compile it, and a keyboard state over it.
class WaylandKeymap : public ::testing::Test {
  protected:
    void SetUp() override {
        ASSERT_NE(context, nullptr);
        ASSERT_NE(keymap, nullptr) << "the keymap does not compile";
        ASSERT_NE(state, nullptr);
    }

    // What pressing the key types, as the client's keyboard state gives it.
    std::string Typed(uint32_t key) {
        char utf8[16] = {};
        xkb_state_key_get_utf8(state.get(), key + kXkbOffset, utf8, sizeof utf8);
        return utf8;
    }

    xkb_keysym_t Keysym(uint32_t key) {
        return xkb_state_key_get_one_sym(state.get(), key + kXkbOffset);
    }

    CharacterKeymap characters;
    std::unique_ptr<xkb_context, decltype(&xkb_context_unref)> context{
        xkb_context_new(XKB_CONTEXT_NO_FLAGS), &xkb_context_unref};
    std::unique_ptr<xkb_keymap, decltype(&xkb_keymap_unref)> keymap{
        xkb_keymap_new_from_string(context.get(), characters.Text().c_str(),
                                   XKB_KEYMAP_FORMAT_TEXT_V1, XKB_KEYMAP_COMPILE_NO_FLAGS),
        &xkb_keymap_unref};
    std::unique_ptr<xkb_state, decltype(&xkb_state_unref)> state{
        keymap ? xkb_state_new(keymap.get()) : nullptr, &xkb_state_unref};
};

// The characters Windows-1252 holds between 0x80 and 0x9F, from the code page's table.
struct Extra {
    unsigned char byte;
    const char* utf8;
};
const Extra kCodePageExtras[] = {
    {0x80, "€"}, {0x82, "‚"}, {0x83, "ƒ"}, {0x84, "„"}, {0x85, "…"}, {0x86, "†"}, {0x87, "‡"},
    {0x88, "ˆ"}, {0x89, "‰"}, {0x8A, "Š"}, {0x8B, "‹"}, {0x8C, "Œ"}, {0x8E, "Ž"}, {0x91, "‘"},
    {0x92, "’"}, {0x93, "“"}, {0x94, "”"}, {0x95, "•"}, {0x96, "–"}, {0x97, "—"}, {0x98, "˜"},
    {0x99, "™"}, {0x9A, "š"}, {0x9B, "›"}, {0x9C, "œ"}, {0x9E, "ž"}, {0x9F, "Ÿ"},
};

// A code point below 0x800 in UTF-8, written out by the encoding's rule.
std::string Utf8Below0x800(unsigned codePoint) {
    if (codePoint < 0x80) return std::string(1, static_cast<char>(codePoint));
    return {static_cast<char>(0xC0 | (codePoint >> 6)),
            static_cast<char>(0x80 | (codePoint & 0x3F))};
}

TEST_F(WaylandKeymap, EveryPrintableCharacterOfTheCodePageIsTypedByAKeyOfItsOwn) {
    struct Row {
        const char* rule;
        std::vector<std::pair<unsigned char, std::string>> characters;
    };
    std::vector<Row> rows = {{"ASCII signs, digits and letters type themselves", {}},
                             {"the Latin-1 half types itself, accents and Ñ included", {}},
                             {"the code page's own characters between 0x80 and 0x9F", {}}};
    for (unsigned byte = 0x20; byte <= 0x7E; ++byte) {
        rows[0].characters.emplace_back(byte, Utf8Below0x800(byte));
    }
    for (unsigned byte = 0xA0; byte <= 0xFF; ++byte) {
        rows[1].characters.emplace_back(byte, Utf8Below0x800(byte));
    }
    for (const Extra& extra : kCodePageExtras)
        rows[2].characters.emplace_back(extra.byte, extra.utf8);
    std::set<uint32_t> keys;
    for (const Row& row : rows) {
        for (const auto& [byte, expected] : row.characters) {
            const std::optional<uint32_t> key = characters.KeyTyping(static_cast<char>(byte));
            ASSERT_TRUE(key.has_value()) << row.rule << ": byte " << int(byte);
            EXPECT_EQ(Typed(*key), expected) << row.rule << ": byte " << int(byte);
            EXPECT_TRUE(keys.insert(*key).second)
                << row.rule << ": byte " << int(byte) << " shares a key";
            EXPECT_LE(*key + kXkbOffset, 255u) << "X clients see no key above 255";
        }
    }
    EXPECT_EQ(keys.size(), 95u + 96u + 27u);
}

TEST_F(WaylandKeymap, ControlCharactersAreTypedByTheirNamedKeysOrNotAtAll) {
    struct Row {
        const char* rule;
        char character;
        xkb_keysym_t expected;  // XKB_KEY_NoSymbol: no key at all
    };
    const Row rows[] = {
        {"Enter is the Return key", '\r', XKB_KEY_Return},
        {"Backspace is the BackSpace key", '\b', XKB_KEY_BackSpace},
        {"a tab is the Tab key", '\t', XKB_KEY_Tab},
        {"escape is the Escape key", '\x1B', XKB_KEY_Escape},
        {"a line feed has no key", '\n', XKB_KEY_NoSymbol},
        {"DEL has no key", '\x7F', XKB_KEY_NoSymbol},
        {"an unassigned byte of the code page has no key", '\x81', XKB_KEY_NoSymbol},
        {"a C1 control has no key", '\x9D', XKB_KEY_NoSymbol},
    };
    for (const Row& row : rows) {
        const std::optional<uint32_t> key = characters.KeyTyping(row.character);
        if (row.expected == XKB_KEY_NoSymbol) {
            EXPECT_FALSE(key.has_value()) << row.rule;
        } else {
            ASSERT_TRUE(key.has_value()) << row.rule;
            EXPECT_EQ(Keysym(*key), row.expected) << row.rule;
        }
    }
}

TEST_F(WaylandKeymap, VirtualKeysPressTheKeysTheirNamesSay) {
    struct Row {
        const char* rule;
        uint8_t vk;
        xkb_keysym_t expected;
    };
    const Row rows[] = {
        {"Shift", platform::VK_SHIFT, XKB_KEY_Shift_L},
        {"Control", platform::VK_CONTROL, XKB_KEY_Control_L},
        {"Alt", platform::VK_MENU, XKB_KEY_Alt_L},
        {"Return", platform::VK_RETURN, XKB_KEY_Return},
        {"Backspace", platform::VK_BACK, XKB_KEY_BackSpace},
        {"Tab", platform::VK_TAB, XKB_KEY_Tab},
        {"Delete", platform::VK_DELETE, XKB_KEY_Delete},
        {"Insert", platform::VK_INSERT, XKB_KEY_Insert},
        {"Home", platform::VK_HOME, XKB_KEY_Home},
        {"End", platform::VK_END, XKB_KEY_End},
        {"Page Up", platform::VK_PRIOR, XKB_KEY_Prior},
        {"Page Down", platform::VK_NEXT, XKB_KEY_Next},
        {"left arrow", platform::VK_LEFT, XKB_KEY_Left},
        {"up arrow", platform::VK_UP, XKB_KEY_Up},
        {"right arrow", platform::VK_RIGHT, XKB_KEY_Right},
        {"down arrow", platform::VK_DOWN, XKB_KEY_Down},
        {"a letter's code is the key of its small letter", 'A', XKB_KEY_a},
        {"Z likewise", 'Z', XKB_KEY_z},
        {"a digit's code is its key", '7', XKB_KEY_7},
        {"the space bar", ' ', XKB_KEY_space},
    };
    for (const Row& row : rows) {
        const std::optional<uint32_t> key = characters.KeyOf(row.vk);
        ASSERT_TRUE(key.has_value()) << row.rule;
        EXPECT_EQ(Keysym(*key), row.expected) << row.rule;
    }
    EXPECT_FALSE(characters.KeyOf(0xBA).has_value()) << "a layout's own sign key has no code";
}

TEST_F(WaylandKeymap, ModifierKeysSetTheMasksTheVirtualKeyboardAnnounces) {
    // XKB gives the real modifiers the first masks: Shift 1, Lock 2, Control 4, Mod1 (Alt) 8.
    struct Row {
        const char* rule;
        uint8_t vk;
        xkb_mod_mask_t expected;
    };
    const Row rows[] = {
        {"Shift holds the Shift mask", platform::VK_SHIFT, 1},
        {"Control holds the Control mask", platform::VK_CONTROL, 4},
        {"Alt holds the Mod1 mask", platform::VK_MENU, 8},
    };
    for (const Row& row : rows) {
        std::unique_ptr<xkb_state, decltype(&xkb_state_unref)> pressed{xkb_state_new(keymap.get()),
                                                                       &xkb_state_unref};
        xkb_state_update_key(pressed.get(), *characters.KeyOf(row.vk) + kXkbOffset, XKB_KEY_DOWN);
        EXPECT_EQ(xkb_state_serialize_mods(pressed.get(), XKB_STATE_MODS_DEPRESSED), row.expected)
            << row.rule;
    }
}

TEST(WaylandVkKeyScan, LettersDigitsAndNamedCharactersHaveTheirWindowsCodes) {
    struct Row {
        const char* rule;
        char character;
        int16_t expected;
    };
    const Row rows[] = {
        {"a small letter is its capital's code", 'a', 0x41},
        {"a capital is the same code with Shift", 'Z', 0x15A},
        {"a digit is its own code", '4', 0x34},
        {"the blank is the space bar", ' ', 0x20},
        {"Enter is VK_RETURN", '\r', 13},
        {"Backspace is VK_BACK", '\b', 8},
        {"an accented letter has no code of its own", '\xE9', -1},
        {"a sign has no code of its own", '@', -1},
    };
    const CharacterKeymap characters;
    for (const Row& row : rows) {
        EXPECT_EQ(characters.VkKeyScan(row.character), row.expected) << row.rule;
    }
}

}  // namespace
