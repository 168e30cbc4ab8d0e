#include <gtest/gtest.h>

#include <algorithm>
#include <filesystem>
#include <optional>
#include <sstream>
#include <string>
#include <vector>

#include "analysis/ArrangementBound.h"
#include "analysis/KeyboardBuilder.h"
#include "keys/DefaultKeyboard.h"
#include "keys/KeyboardFile.h"
#include "keys/SpecialKeys.h"

// The fewest scan actions any arrangement of a keyboard's keys could take.
namespace {

const std::string kProse =
    "la casa del costat te una porta blava i el gat dorm al sol. de bon mati la veina "
    "canta, ara ja ho saps: que vinguis aviat, que et convido a dinar amb la familia.\n";

double Bound(const keys::KeyForest& keyboard, const std::string& text, int fixed,
             double* actual = nullptr) {
    const analysis::ScannedKeyboard scanned(keyboard, false);
    const analysis::CostSummary summary = scanned.Write({analysis::DecodedText{text, {}}});
    if (actual) *actual = summary.ActionsPerCharacter();
    return analysis::FewestActionsPerCharacter(scanned, summary, fixed);
}

keys::KeyForest Shipped(const char* file, keys::KeyLanguage language) {
    std::optional<keys::KeyForest> keyboard =
        keys::ReadKeyboardFile((std::filesystem::path(ORVALET_KEYBOARDS_DIR) / file).string());
    EXPECT_TRUE(keyboard.has_value()) << file;
    if (!keyboard) return {};
    keys::AfegirTeclesEspecials(*keyboard, language);
    return *keyboard;
}

TEST(ArrangementBound, NoKeyboardTakesFewerActionsThanTheBound) {
    const std::pair<const char*, keys::KeyForest> keyboards[] = {
        {"built-in", keys::DefaultKeyboard()},
        {"Catalan scanning", Shipped("catala-escaneig.QuarnelTeclat", keys::KeyLanguage::Catalan)},
        {"Castilian scanning",
         Shipped("castellano-escaneo.QuarnelTeclat", keys::KeyLanguage::Castilian)},
    };
    for (const auto& [name, keyboard] : keyboards) {
        double actual = 0;
        const double bound = Bound(keyboard, kProse, keys::kSpecialTopLevelNodes, &actual);
        EXPECT_GT(bound, 0.0) << name;
        EXPECT_LE(bound, actual) << name;
    }
}

TEST(ArrangementBound, AKeyboardBuiltForTheTextComesNearIt) {
    std::string corpus;
    for (int line = 0; line < 100; ++line) corpus += kProse;
    std::ostringstream progress;
    keys::KeyForest built =
        analysis::BuildKeyboard({{"prose", {analysis::DecodedText{corpus, {}}}}},
                                keys::KeyLanguage::Catalan, 200, nullptr, progress)
            .keys;
    keys::AfegirTeclesEspecials(built, keys::KeyLanguage::Catalan);
    double actual = 0;
    const double bound = Bound(built, corpus, keys::kSpecialTopLevelNodes, &actual);
    EXPECT_LE(bound, actual);
    EXPECT_LT(actual - bound, 0.5) << actual << " against " << bound;
}

TEST(ArrangementBound, ItDependsOnWhatTheKeysTypeNotWhereTheyStand) {
    keys::KeyForest ordered = {{"A", {}}, {"B", {}}, {"C", {}}};
    keys::KeyForest reversed = {{"C", {}}, {"B", {}}, {"A", {}}};
    const std::string text = "aaaaaaaabbbc";
    double orderedActual = 0;
    double reversedActual = 0;
    const double orderedBound = Bound(ordered, text, 0, &orderedActual);
    const double reversedBound = Bound(reversed, text, 0, &reversedActual);
    EXPECT_NEAR(orderedBound, reversedBound, 1e-9);
    EXPECT_LT(orderedActual, reversedActual) << "the likeliest key first";
    EXPECT_LE(orderedBound, orderedActual);
    // One key alone, first at the top: one press a character, which nothing can beat.
    EXPECT_NEAR(Bound({{"A", {}}}, "aaaa", 0), 1.0, 1e-6);
}

TEST(ArrangementBound, EveryFixedNodeAboveTheKeysRaisesIt) {
    keys::KeyForest keyboard = keys::DefaultKeyboard();
    double previous = 0;
    for (int fixed : {0, 2, keys::kSpecialTopLevelNodes}) {
        const double bound = Bound(keyboard, kProse, fixed);
        EXPECT_GT(bound, previous) << fixed << " fixed nodes";
        previous = bound;
    }
}

}  // namespace
