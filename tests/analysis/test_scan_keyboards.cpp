#include <gtest/gtest.h>

#include <algorithm>
#include <filesystem>
#include <optional>
#include <set>
#include <string>
#include <string_view>

#include "analysis/DecodedText.h"
#include "analysis/FlatKeyboard.h"
#include "analysis/KeyAlphabet.h"
#include "analysis/KeyCosts.h"
#include "analysis/ScannedKeyboard.h"
#include "keys/KeyKind.h"
#include "keys/KeyboardFile.h"
#include "keys/SpecialKeys.h"
#include "text/Case.h"

// The keyboards built for scanning that come with the program.
namespace {

struct ScanKeyboard {
    const char* file;
    keys::KeyLanguage language;
    // What everyday writing in the language needs besides the letters A to Z and the blank.
    const char* needs;
};

const ScanKeyboard kScanKeyboards[] = {
    {"catala-escaneig.QuarnelTeclat", keys::KeyLanguage::Catalan,
     "\xE0\xE8\xE9\xED\xF2\xF3\xFA\xE7\xEF\xFC, ; : \xB7"},
    {"castellano-escaneo.QuarnelTeclat", keys::KeyLanguage::Castilian,
     "\xE1\xE9\xED\xF3\xFA\xF1\xFC, ; :"},
};

std::optional<keys::KeyForest> Read(const char* file) {
    return keys::ReadKeyboardFile((std::filesystem::path(ORVALET_KEYBOARDS_DIR) / file).string());
}

// Characters the dispatch types the same in every case state on the Spanish layout: capitals
// that Shift only capitalises, the accented vowels it composes, the signs it sends with their
// own modifiers (the comma, semicolon, colon and middle dot among them), and the blank ending a
// word.
bool TypesFaithfully(char c) {
    static const std::string_view kAllowed =
        "ABCDEFGHIJKLMNOPQRSTUVWXYZ\xD1\xC7\xC0\xC8\xD2\xC1\xC9\xCD\xD3\xDA"
        "0123456789.+-*/='?!()\"%$@ \xBF\xA1\xBA\xAA,;:\xB7";
    return kAllowed.find(c) != std::string_view::npos;
}

void CollectKeys(const keys::KeyForest& nodes, std::vector<std::string>& keys) {
    for (const keys::KeyNode& node : nodes) {
        if (node.children.empty()) keys.push_back(node.text);
        CollectKeys(node.children, keys);
    }
}

TEST(ScanKeyboards, EveryKeyTypesItsOwnTextAndNoneSendsASpecialKey) {
    for (const ScanKeyboard& keyboard : kScanKeyboards) {
        const std::optional<keys::KeyForest> forest = Read(keyboard.file);
        ASSERT_TRUE(forest.has_value()) << keyboard.file;
        std::vector<std::string> keys;
        CollectKeys(*forest, keys);
        const std::vector<std::string> diaeresis = analysis::DiaeresisLetters(keyboard.language);
        for (const std::string& key : keys) {
            // In small letters, the one way the dispatch types them as written.
            if (std::ranges::find(diaeresis, key) != diaeresis.end()) continue;
            const keys::KeyKind kind = keys::KindOf(false, key);
            EXPECT_TRUE(kind == keys::KeyKind::Text || kind == keys::KeyKind::DigitOrOperator)
                << keyboard.file << ": \"" << key << "\"";
            EXPECT_FALSE(key.empty() || key.front() == ' ') << keyboard.file;
            EXPECT_TRUE(analysis::CanBeKeyText(text::ToSmall(key)))
                << keyboard.file << ": \"" << key << "\" is no key the builder writes";
            for (size_t i = 0; i < key.size(); ++i) {
                EXPECT_TRUE(TypesFaithfully(key[i])) << keyboard.file << ": \"" << key << "\"";
                EXPECT_TRUE(key[i] != ' ' || i + 1 == key.size())
                    << keyboard.file << ": \"" << key << "\" has a blank inside";
            }
        }
    }
}

TEST(ScanKeyboards, EveryLetterAndAccentedVowelHasAKeyOfItsOwn) {
    const std::string letters =
        "ABCDEFGHIJKLMNOPQRSTUVWXYZ\xD1\xC7\xC0\xC8\xD2\xC1\xC9\xCD\xD3\xDA";
    for (const ScanKeyboard& keyboard : kScanKeyboards) {
        const std::optional<keys::KeyForest> forest = Read(keyboard.file);
        ASSERT_TRUE(forest.has_value()) << keyboard.file;
        std::vector<std::string> keys;
        CollectKeys(*forest, keys);
        const std::set<std::string> all(keys.begin(), keys.end());
        for (char letter : letters) {
            EXPECT_TRUE(all.contains(std::string(1, letter))) << keyboard.file << ": " << letter;
        }
    }
}

TEST(ScanKeyboards, TheScanReachesEveryNodeBelowTheSpecialKeysTheProgramAdds) {
    for (const ScanKeyboard& keyboard : kScanKeyboards) {
        std::optional<keys::KeyForest> forest = Read(keyboard.file);
        ASSERT_TRUE(forest.has_value()) << keyboard.file;
        for (const keys::KeyNode& top : *forest) {
            EXPECT_NE(top.text, "TECLES ESPECIALS") << "left to the question on loading";
            EXPECT_NE(top.text, "TECLAS ESPECIALES") << "left to the question on loading";
        }
        keys::AfegirTeclesEspecials(*forest, keyboard.language);
        const analysis::FlatKeyboard flat(*forest);
        const auto costs = analysis::CostsFromRestart(flat, false);
        for (size_t node = 0; node < costs.size(); ++node) {
            EXPECT_TRUE(costs[node].has_value())
                << keyboard.file << ": \"" << flat.TextOf(static_cast<int>(node)) << "\"";
        }
    }
}

// Every letter, digit and sign of the built-in NUMEROS group, and the language's own letters and
// signs, typed one at a time, so that one missing key shows as a failure.
TEST(ScanKeyboards, EveryCharacterOfEverydayWritingIsTyped) {
    const std::string everyone =
        "abcdefghijklmnopqrstuvwxyz 0123456789.+-*/='?\xBF()\"\xA1!%$\xAA\xBA@";
    for (const ScanKeyboard& keyboard : kScanKeyboards) {
        std::optional<keys::KeyForest> forest = Read(keyboard.file);
        ASSERT_TRUE(forest.has_value()) << keyboard.file;
        keys::AfegirTeclesEspecials(*forest, keyboard.language);
        const analysis::ScannedKeyboard scanned(*forest, false);
        for (char character : everyone + keyboard.needs) {
            const analysis::CostSummary summary =
                scanned.Write({analysis::DecodedText{std::string(1, character), {}}});
            EXPECT_EQ(summary.typed, 1u) << keyboard.file << ": \"" << character << "\"";
        }
    }
}

}  // namespace
