#include <gtest/gtest.h>

#include <algorithm>
#include <filesystem>
#include <fstream>
#include <iterator>
#include <optional>
#include <string>
#include <string_view>

#include "keys/KeyKind.h"
#include "keys/KeyboardFile.h"

namespace {

using keys::KeyForest;
using keys::KeyNode;

const char* const kCatala = "catala.QuarnelTeclat";
const char* const kCastellano = "castellano.QuarnelTeclat";
const char* const kKeyboardFiles[] = {kCatala, kCastellano};

std::string ReadExample(const char* name) {
    std::ifstream file(std::filesystem::path(ORVALET_KEYBOARDS_DIR) / name, std::ios::binary);
    return {std::istreambuf_iterator<char>(file), std::istreambuf_iterator<char>()};
}

std::optional<KeyForest> ParseExample(const char* name) {
    const std::string text = ReadExample(name);
    if (text.empty()) return std::nullopt;
    return keys::ParseKeyboard(text);
}

const KeyNode* FindChild(const KeyForest& nodes, std::string_view text) {
    const auto found =
        std::find_if(nodes.begin(), nodes.end(), [&](const KeyNode& n) { return n.text == text; });
    return found == nodes.end() ? nullptr : &*found;
}

// Characters the dispatch types faithfully on the Spanish layout in every case state:
// letters that Shift only capitalises, the accented vowels it composes, and the signs
// it sends with their own modifiers. A comma or a middle dot would come out as ";" or
// "3" under a toggle, so an example key must not hold one.
bool TypesFaithfully(unsigned char c) {
    static const std::string_view kSigns = "0123456789.+-*/='?!()\"%$@ \xBF\xA1\xBA\xAA";
    static const std::string_view kLetters = "\xD1\xC7\xC0\xC8\xD2\xC1\xC9\xCD\xD3\xDA";
    return (c >= 'A' && c <= 'Z') || kSigns.find(static_cast<char>(c)) != std::string_view::npos ||
           kLetters.find(static_cast<char>(c)) != std::string_view::npos;
}

void ExpectEveryKeyTypesItsText(const KeyForest& nodes, const char* file) {
    for (const KeyNode& node : nodes) {
        if (!node.children.empty()) {
            ExpectEveryKeyTypesItsText(node.children, file);
            continue;
        }
        const keys::KeyKind kind = keys::KindOf(false, node.text);
        EXPECT_TRUE(kind == keys::KeyKind::Text || kind == keys::KeyKind::DigitOrOperator)
            << file << ": \"" << node.text << "\" would send a special key instead of its text";
        EXPECT_FALSE(node.text.empty()) << file << ": an empty key types nothing";
        for (const char c : node.text) {
            EXPECT_TRUE(TypesFaithfully(static_cast<unsigned char>(c)))
                << file << ": \"" << node.text << "\" holds a character typed wrongly";
        }
    }
}

TEST(ExampleKeyboards, EveryFileLoadsWhole) {
    for (const char* file : kKeyboardFiles) {
        const std::optional<KeyForest> forest = ParseExample(file);
        ASSERT_TRUE(forest.has_value()) << file;
        EXPECT_GT(keys::CountKeys(*forest), 200u) << file;
    }
}

TEST(ExampleKeyboards, EveryKeyTypesItsOwnTextOnTheSpanishLayout) {
    for (const char* file : kKeyboardFiles) {
        const std::optional<KeyForest> forest = ParseExample(file);
        ASSERT_TRUE(forest.has_value()) << file;
        ExpectEveryKeyTypesItsText(*forest, file);
    }
}

TEST(ExampleKeyboards, SpecialKeysAreLeftToTheQuestionWhenLoading) {
    for (const char* file : kKeyboardFiles) {
        const std::optional<KeyForest> forest = ParseExample(file);
        ASSERT_TRUE(forest.has_value()) << file;
        EXPECT_EQ(FindChild(*forest, "TECLES ESPECIALS"), nullptr) << file;
        EXPECT_EQ(FindChild(*forest, "TECLAS ESPECIALES"), nullptr) << file;
    }
}

struct GroupCase {
    const char* rule;
    const char* file;
    const char* group;
    const char* key;
};

const GroupCase kGroupCases[] = {
    {"Catalan: NY syllables", kCatala, "NY", "NYA"},
    {"Catalan: geminated l group shown with its middle dot", kCatala, "L\xB7L", "L.LA"},
    {"Catalan: QU before e", kCatala, "QU", "QUE"},
    {"Catalan: QU before a", kCatala, "QU", "QUA"},
    {"Catalan: GU before i", kCatala, "GU", "GUI"},
    {"Catalan: cedilla syllables", kCatala, "\xC7",
     "\xC7"
     "A"},
    {"Catalan: TX syllables", kCatala, "TX", "TXE"},
    {"Catalan: SS syllables", kCatala, "SS", "SSA"},
    {"Catalan: grave e", kCatala, "E", "\xC8"},
    {"Catalan: digits in N\xDAMEROS, a Windows-1252 name", kCatala, "N\xDAMEROS", "7"},
    {"Catalan: words end with the blank that follows them", kCatala, "PARAULES",
     "GR\xC0"
     "CIES "},
    {"Castilian: CH syllables", kCastellano, "CH", "CHA"},
    {"Castilian: \xD1 syllables", kCastellano, "\xD1",
     "\xD1"
     "O"},
    {"Castilian: QU before i", kCastellano, "QU", "QUI"},
    {"Castilian: GU before e", kCastellano, "GU", "GUE"},
    {"Castilian: opening question mark", kCastellano, "N\xDAMEROS", "\xBF"},
    {"Castilian: words end with the blank that follows them", kCastellano, "PALABRAS",
     "BUENOS D\xCD"
     "AS "},
};

TEST(ExampleKeyboards, GroupsHoldTheirLanguagesSyllablesAndWords) {
    for (const GroupCase& row : kGroupCases) {
        SCOPED_TRACE(row.rule);
        const std::optional<KeyForest> forest = ParseExample(row.file);
        ASSERT_TRUE(forest.has_value());
        const KeyNode* group = FindChild(*forest, row.group);
        ASSERT_NE(group, nullptr);
        EXPECT_NE(FindChild(group->children, row.key), nullptr);
    }
}

}  // namespace
