#include <gtest/gtest.h>

#include <optional>
#include <string>
#include <vector>

#include "analysis/FlatKeyboard.h"
#include "analysis/KeyCosts.h"
#include "analysis/ScanModel.h"
#include "keys/DefaultKeyboard.h"

namespace {

using analysis::FlatKeyboard;
using analysis::KeyCost;
using analysis::ScanModel;
using keys::KeyForest;

// The node reached by texts from the top level down.
int NodeAt(const FlatKeyboard& keyboard, const std::vector<std::string>& path) {
    int node = keyboard.First();
    for (size_t level = 0; level < path.size(); ++level) {
        while (node != FlatKeyboard::kNone && keyboard.TextOf(node) != path[level]) {
            node = keyboard.At(node).nextSibling;
        }
        if (node == FlatKeyboard::kNone || level + 1 == path.size()) return node;
        node = keyboard.At(node).firstChild;
    }
    return node;
}

TEST(ScanCost, KeysOfTheBuiltInKeyboardCostTheirPlacesInStepsAndOnePressPerLevel) {
    const KeyForest builtIn = keys::DefaultKeyboard();
    const FlatKeyboard keyboard(builtIn);
    const auto costs = analysis::CostsFromRestart(keyboard, false);
    struct Row {
        const char* rule;
        std::vector<std::string> path;
        int steps;
        int presses;
    };
    const Row rows[] = {
        {"the first key is highlighted at once", {"TECLES ESPECIALS"}, 0, 1},
        {"ESPAI is the fourth row", {"ESPAI"}, 3, 1},
        {"a group's first key is one step in", {"TECLES ESPECIALS", "TABULADOR"}, 1, 2},
        {"B is the eleventh row; BA the second key in it", {"B", "BA"}, 10 + 2, 2},
        {"the key repeating its group's letter is reached", {"B", "B"}, 10 + 1, 2},
        {"Y is the thirty-third row", {"Y"}, 32, 1},
        {"the last key: Z, then ZU", {"Z", "ZU"}, 33 + 6, 2},
        {"@ ends the digits and signs", {"N\xDAMEROS", "@"}, 4 + 29, 2},
    };
    for (const Row& row : rows) {
        const int node = NodeAt(keyboard, row.path);
        ASSERT_NE(node, FlatKeyboard::kNone) << row.rule;
        const std::optional<KeyCost>& cost = costs[static_cast<size_t>(node)];
        ASSERT_TRUE(cost.has_value()) << row.rule;
        EXPECT_EQ(cost->steps, row.steps) << row.rule;
        EXPECT_EQ(cost->presses, row.presses) << row.rule;
    }
}

KeyForest Keys(std::initializer_list<const char*> texts) {
    KeyForest keys;
    for (const char* text : texts) keys.push_back({text, {}});
    return keys;
}

// The node at a place among its siblings at each level, from the top.
int NodeAtPlace(const FlatKeyboard& keyboard, const std::vector<int>& place) {
    int node = keyboard.First();
    for (size_t level = 0; level < place.size(); ++level) {
        for (int i = 0; i < place[level]; ++i) node = keyboard.At(node).nextSibling;
        if (level + 1 < place.size()) node = keyboard.At(node).firstChild;
    }
    return node;
}

TEST(ScanCost, KeysTheScanNeverHighlightsHaveNoCost) {
    struct Row {
        const char* rule;
        KeyForest keys;
        std::vector<int> place;
        std::optional<int> steps;  // nothing: never reached
    };
    const Row rows[] = {
        {"the first of two neighbours with one text", Keys({"P", "Q", "Q", "R"}), {1}, 1},
        {"the second of them", Keys({"P", "Q", "Q", "R"}), {2}, std::nullopt},
        {"the key after them", Keys({"P", "Q", "Q", "R"}), {3}, std::nullopt},
        {"an empty second key shows once the end has restarted the scan",
         Keys({"X", "", "Y"}),
         {2},
         3},
        {"a group whose first key is empty", {{"G", Keys({"", "H"})}}, {0, 1}, std::nullopt},
        {"a key after a group's first key repeating it",
         {{"G", Keys({"H", "H", "J"})}},
         {0, 2},
         std::nullopt},
    };
    for (const Row& row : rows) {
        const FlatKeyboard keyboard(row.keys);
        const auto costs = analysis::CostsFromRestart(keyboard, false);
        const std::optional<KeyCost>& cost =
            costs[static_cast<size_t>(NodeAtPlace(keyboard, row.place))];
        EXPECT_EQ(cost.has_value(), row.steps.has_value()) << row.rule;
        if (cost && row.steps) {
            EXPECT_EQ(cost->steps, *row.steps) << row.rule;
        }
    }
}

TEST(ScanCost, PassTwiceChangesNoCostOfAKeyReachedStraightAway) {
    const KeyForest builtIn = keys::DefaultKeyboard();
    const FlatKeyboard keyboard(builtIn);
    const auto once = analysis::CostsFromRestart(keyboard, false);
    const auto twice = analysis::CostsFromRestart(keyboard, true);
    for (size_t node = 0; node < once.size(); ++node) {
        ASSERT_TRUE(once[node] && twice[node]) << keyboard.TextOf(static_cast<int>(node));
        EXPECT_EQ(once[node]->Actions(), twice[node]->Actions());
    }
}

TEST(ScanCost, AnEmptyKeyboardHasNothingToChoose) {
    const KeyForest empty;
    const FlatKeyboard keyboard(empty);
    EXPECT_TRUE(analysis::CostsFromRestart(keyboard, false).empty());
    ScanModel scan(keyboard, true);
    scan.Restart();
    EXPECT_EQ(scan.Highlighted(), FlatKeyboard::kNone);
    EXPECT_EQ(scan.Press(), ScanModel::PressResult::Nothing);
}

TEST(ScanCost, AKeyboardThousandsOfLevelsDeepIsWalkedWithoutRecursion) {
    constexpr int kLevels = 10000;
    KeyForest keyboard = Keys({"L"});
    keys::KeyNode* deepest = &keyboard.front();
    for (int level = 1; level < kLevels; ++level) {
        deepest->children.push_back({"L", {}});
        deepest = &deepest->children.front();
    }
    const FlatKeyboard flat(keyboard);
    const auto costs = analysis::CostsFromRestart(flat, false);
    ASSERT_TRUE(costs.back().has_value());
    EXPECT_EQ(costs.back()->presses, kLevels);
    EXPECT_EQ(costs.back()->steps, kLevels - 1) << "one step into each group";
}

TEST(ScanModel, AStepFollowsTheRulesOfTheScan) {
    struct Row {
        const char* rule;
        KeyForest keys;
        bool passTwice;
        const char* actions;  // s: a step; p: a press
        std::vector<std::string> highlighted;
    };
    const Row rows[] = {
        {"one visible node per step, and the first after the last",
         Keys({"P", "Q"}),
         false,
         "sss",
         {"Q", "P", "Q"}},
        {"a press on a group leaves the highlight on it; the next step enters it",
         {{"G", Keys({"H", "J"})}, {"K", {}}},
         false,
         "pss",
         {"G", "H", "J"}},
        {"without pass twice the scan runs on past the group",
         {{"G", Keys({"H"})}, {"K", {}}},
         false,
         "pss",
         {"G", "H", "K"}},
        {"the end of the list restarts, closing the group",
         {{"G", Keys({"H"})}, {"K", {}}},
         false,
         "psss",
         {"G", "H", "K", "G"}},
        {"pass twice: back on the group after its keys, then on past it",
         {{"G", Keys({"H"})}, {"K", {}}},
         true,
         "psss",
         {"G", "H", "G", "K"}},
        {"a key typed restarts at the first node", Keys({"P", "Q"}), false, "sp", {"Q", "P"}},
    };
    for (const Row& row : rows) {
        const FlatKeyboard keyboard(row.keys);
        ScanModel scan(keyboard, row.passTwice);
        scan.Restart();
        std::vector<std::string> seen;
        for (const char* action = row.actions; *action; ++action) {
            if (*action == 's') {
                scan.Step();
            } else {
                scan.Press();
            }
            seen.push_back(keyboard.TextOf(scan.Highlighted()));
        }
        EXPECT_EQ(seen, row.highlighted) << row.rule;
    }
}

}  // namespace
