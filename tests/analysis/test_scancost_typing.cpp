#include <gtest/gtest.h>

#include <optional>
#include <string>

#include "analysis/CostTally.h"
#include "analysis/KeyMatcher.h"
#include "analysis/ScannedKeyboard.h"
#include "analysis/TypedText.h"

namespace {

TEST(ScanCostTyping, AKeyTypesItsTextOrWhatItsSpecialKeySends) {
    struct Row {
        const char* rule;
        const char* key;
        std::optional<std::string> typed;
    };
    const Row rows[] = {
        {"a syllable", "BA", "ba"},
        {"a word keeps its blank", "DE ", "de "},
        {"an accented capital", "\xC0", "\xE0"},
        {"ESPAI types a blank", "ESPAI", " "},
        {"ESPACIO types a blank", "ESPACIO", " "},
        {"RETURN breaks the line", "RETURN", "\n"},
        {"TABULADOR types a tab", "TABULADOR", "\t"},
        {"FI sends End: no text", "FI", std::nullopt},
        {"backspace: no text", "ESBORRAR ANTERIOR", std::nullopt},
        {"a digit", "7", "7"},
        {"an empty key types nothing", "", std::nullopt},
        {"small page names are text",
         "Avan\xE7"
         "a p\xE0gina",
         "avan\xE7"
         "a p\xE0gina"},
    };
    for (const Row& row : rows) EXPECT_EQ(analysis::TypedText(row.key), row.typed) << row.rule;
}

TEST(ScanCostTyping, TheMatcherFindsTheLongestKeyAndKeepsTheCheapestOfEqualOnes) {
    analysis::KeyMatcher matcher;
    matcher.Add("b", 1, 5);
    matcher.Add("ba", 2, 9);
    matcher.Add("bat", 3, 9);
    matcher.Add("ba", 4, 7);  // cheaper: replaces 2
    matcher.Add("ba", 5, 7);  // as cheap: the first stays
    struct Row {
        const char* text;
        int key;
        size_t length;
    };
    const Row rows[] = {{"bata", 3, 3}, {"bal", 4, 2}, {"bx", 1, 1}};
    for (const Row& row : rows) {
        const auto match = matcher.LongestAt(row.text);
        ASSERT_TRUE(match.has_value()) << row.text;
        EXPECT_EQ(match->key, row.key) << row.text;
        EXPECT_EQ(match->length, row.length) << row.text;
    }
    EXPECT_FALSE(matcher.LongestAt("xb").has_value());
    EXPECT_FALSE(matcher.LongestAt("").has_value());
    matcher.Remove("bat");
    EXPECT_EQ(matcher.LongestAt("bata")->key, 4);
}

// ESPAI, the group B of BA and B, A, and the word DE with its blank.
keys::KeyForest SmallKeyboard() {
    return {{"ESPAI", {}}, {"B", {{"BA", {}}, {"B", {}}}}, {"A", {}}, {"DE ", {}}};
}

TEST(ScanCostTyping, ATextIsWrittenWithTheLongestKeysFromARestartEachTime) {
    // ESPAI: 0 steps, 1 press. B > BA: 1 + 1 steps, 2 presses. B > B: 1 + 2 steps, 2 presses.
    // A: 2 steps, 1 press. DE : 3 steps, 1 press.
    struct Row {
        const char* rule;
        const char* text;
        uint64_t characters;
        uint64_t typed;
        uint64_t steps;
        uint64_t presses;
    };
    const Row rows[] = {
        {"BA, not B then A", "ba", 2, 2, 2, 2},
        {"capitals are typed by the same keys", "BA", 2, 2, 2, 2},
        {"B, then BA", "bba", 3, 3, 3 + 2, 2 + 2},
        {"a word with its blank is one key", "de ", 3, 3, 3, 1},
        {"a blank alone is the space key", "a a", 3, 3, 2 + 0 + 2, 3},
        {"a character no key types is counted and skipped", "b!a", 3, 2, 3 + 2, 2 + 1},
        {"an empty text", "", 0, 0, 0, 0},
    };
    const keys::KeyForest keyboard = SmallKeyboard();
    const analysis::ScannedKeyboard scanned(keyboard, false);
    for (const Row& row : rows) {
        analysis::CostTally tally(scanned.Flat(), scanned.Costs());
        tally.Type(row.text);
        const analysis::CostSummary& summary = tally.Summary();
        EXPECT_EQ(summary.characters, row.characters) << row.rule;
        EXPECT_EQ(summary.typed, row.typed) << row.rule;
        EXPECT_EQ(summary.steps, row.steps) << row.rule;
        EXPECT_EQ(summary.presses, row.presses) << row.rule;
    }
}

TEST(ScanCostTyping, UntypeableCharactersAreListedWithTheirCounts) {
    const keys::KeyForest keyboard = SmallKeyboard();
    const analysis::ScannedKeyboard scanned(keyboard, false);
    analysis::CostTally tally(scanned.Flat(), scanned.Costs());
    tally.Type("ba, ba!\n\xD1");
    tally.Skip("\xE2\x86\x92");  // an arrow, outside Windows-1252
    tally.Skip("\xE2\x86\x92");
    const analysis::CostSummary& summary = tally.Summary();
    EXPECT_EQ(summary.untypeable,
              (std::map<char, uint64_t>{{',', 1}, {'!', 1}, {'\n', 1}, {'\xF1', 1}}))
        << "\xD1 in small letters; no RETURN key for the line break";
    EXPECT_EQ(summary.foreign, (std::map<std::string, uint64_t>{{"\xE2\x86\x92", 2}}));
    EXPECT_EQ(summary.characters, 11u);
    EXPECT_EQ(summary.typed, 5u);
}

TEST(ScanCostTyping, ACharacterNoKeyTypesCostsTheDearestKeyInTheFigure) {
    // The dearest key of the small keyboard is B > B: 3 steps and 2 presses.
    struct Row {
        const char* rule;
        const char* text;
        double actionsPerCharacter;
    };
    const Row rows[] = {
        {"no text gives no figure rather than a division by zero", "", 0.0},
        {"everything typed: the keys' actions alone", "ba", 4.0 / 2},
        {"b, then a failure, then a", "b!a", (5.0 + 5 + 3) / 3},
        {"nothing typed at all still has a figure", "!?", (5.0 + 5) / 2},
    };
    const keys::KeyForest keyboard = SmallKeyboard();
    const analysis::ScannedKeyboard scanned(keyboard, false);
    for (const Row& row : rows) {
        analysis::CostTally tally(scanned.Flat(), scanned.Costs());
        tally.Type(row.text);
        EXPECT_EQ(tally.Summary().failureActions, 5u) << row.rule;
        EXPECT_DOUBLE_EQ(tally.Summary().ActionsPerCharacter(), row.actionsPerCharacter)
            << row.rule;
    }
}

TEST(ScanCostTyping, AKeyTheScanNeverReachesTypesNothing) {
    const keys::KeyForest keyboard = {{"P", {}}, {"Q", {}}, {"Q", {}}, {"R", {}}};
    const analysis::ScannedKeyboard scanned(keyboard, false);
    const analysis::CostSummary summary = scanned.Write({analysis::DecodedText{"pqr", {}}});
    EXPECT_EQ(summary.typed, 2u);
    EXPECT_EQ(summary.untypeable, (std::map<char, uint64_t>{{'r', 1}}));
}

}  // namespace
