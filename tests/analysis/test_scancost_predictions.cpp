#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>
#include <string>
#include <vector>

#include "analysis/ScannedKeyboard.h"
#include "analysis/WordPredictions.h"
#include "keys/KeyNode.h"
#include "predict/WordModel.h"

// Writing a text with word prediction on, as orvalet-scancost --predict counts it.
namespace {

keys::KeyNode Key(const char* text) { return {text, {}}; }

// The group as the keyboard shows it by default: six words at the top.
const predict::PredictionLayout kWordsOnTop{0, 6, 0};

// A small keyboard: the letters of the lexicon's words in a group, a blank and a comma.
keys::KeyForest Letters() {
    keys::KeyNode letters{"LLETRES", {Key("A"), Key("C"), Key("L"), Key("O"), Key("S")}};
    return {letters, Key("ESPAI"), Key(",")};
}

// The same with a key that types a whole word and its blank, second in the scan.
keys::KeyForest WithWordKey() {
    keys::KeyForest keyboard = Letters();
    keyboard.insert(keyboard.begin(), Key("CASA "));
    return keyboard;
}

predict::WordModel Lexicon() {
    const std::filesystem::path file =
        std::filesystem::path(::testing::TempDir()) / "scancost-lexicon.txt";
    std::ofstream(file) << "orvalet-words 1\ncasa 100\ncasal 50\nsol 10\n";
    predict::WordModel model;
    EXPECT_EQ(model.LoadLexicon(file).outcome, predict::LoadOutcome::Loaded);
    return model;
}

TEST(ScanCostPredictions, APredictionIsTakenWhenItTypesWhatFollowsAndCostsLess) {
    struct Row {
        const char* rule;
        keys::KeyForest keyboard;
        std::string text;  // Windows-1252
        uint64_t words;    // chosen from the predictions
        uint64_t characters;
        uint64_t typed;
    };
    const Row rows[] = {
        {"a word and its blank", Letters(), "casa ", 1, 5, 5},
        {"in capitals: the toggles give the case", Letters(), "CASA ", 1, 5, 5},
        {"each word of a phrase", Letters(), "sol casa ", 2, 9, 9},
        {"a longer word beginning as a shorter one", Letters(), "casal ", 1, 6, 6},
        {"a word followed by a sign would get a wrong blank", Letters(), "casa,", 0, 5, 5},
        {"a key that types the word costs less", WithWordKey(), "casa ", 0, 5, 5},
        {"a word the lexicon does not know", Letters(), "cosa ", 0, 5, 5},
        {"a character no key types, then a word", Letters(), "x sol ", 1, 6, 5},
        {"nothing to write", Letters(), "", 0, 0, 0},
    };
    predict::WordModel model = Lexicon();
    for (const Row& row : rows) {
        SCOPED_TRACE(row.rule);
        const keys::KeyForest shown = analysis::WithPredictionGroup(row.keyboard, kWordsOnTop);
        const analysis::ScannedKeyboard scanned(shown, false);
        analysis::WordPredictions predictions(model, scanned.Flat(), scanned.Costs(), kWordsOnTop,
                                              false);
        const analysis::CostSummary with =
            scanned.Write({analysis::DecodedText{row.text, {}}}, &predictions);
        EXPECT_EQ(with.predictedWords, row.words);
        EXPECT_EQ(with.characters, row.characters);
        EXPECT_EQ(with.typed, row.typed);
        if (row.text.empty()) {
            EXPECT_EQ(with.ActionsPerCharacter(), 0.0);
        }
    }
}

TEST(ScanCostPredictions, TheGroupOnTopSavesOnWordsAndCostsAStepOnEverythingElse) {
    const keys::KeyForest keyboard = Letters();
    const analysis::ScannedKeyboard plain(keyboard, false);
    const keys::KeyForest shown = analysis::WithPredictionGroup(keyboard, kWordsOnTop);
    const analysis::ScannedKeyboard scanned(shown, false);
    predict::WordModel model = Lexicon();
    struct Row {
        const char* text;
        bool fewer;
    };
    const Row rows[] = {{"casa casal sol ", true}, {",,,", false}};
    for (const Row& row : rows) {
        SCOPED_TRACE(row.text);
        analysis::WordPredictions predictions(model, scanned.Flat(), scanned.Costs(), kWordsOnTop,
                                              false);
        const std::vector<analysis::DecodedText> texts{{row.text, {}}};
        const uint64_t with = scanned.Write(texts, &predictions).Actions();
        const uint64_t without = plain.Write(texts).Actions();
        EXPECT_EQ(with < without, row.fewer) << with << " against " << without;
    }
    // The places type nothing of their own: a text of their characters is not typed by them.
    analysis::WordPredictions predictions(model, scanned.Flat(), scanned.Costs(), kWordsOnTop,
                                          false);
    EXPECT_EQ(scanned.Write({{std::string("\x01\x02"), {}}}, &predictions).typed, 0u);
}

TEST(ScanCostPredictions, LearningAsItTypesOffersAWordTheLexiconLacksTheSecondTime) {
    const keys::KeyForest shown = analysis::WithPredictionGroup(Letters(), kWordsOnTop);
    const analysis::ScannedKeyboard scanned(shown, false);
    for (const bool learning : {false, true}) {
        SCOPED_TRACE(learning ? "learning" : "lexicon alone");
        predict::WordModel model = Lexicon();
        analysis::WordPredictions predictions(model, scanned.Flat(), scanned.Costs(), kWordsOnTop,
                                              learning);
        const analysis::CostSummary with =
            scanned.Write({{std::string("cosa cosa "), {}}}, &predictions);
        EXPECT_EQ(with.predictedWords, learning ? 1u : 0u);
        EXPECT_EQ(model.LearnedWords(), learning ? 1u : 0u);
    }
}

}  // namespace

namespace {

TEST(ScanCostPredictions, APredictedKeyIsTakenWhenItSavesAgainstTheKeyItself) {
    // One key predicted, in a group at the top: its place costs a press to open the group, a
    // step and a press. Below it the letters cost 2 more than their place in their group
    // (C 5, A 4, S 8), the blank 3 and the comma 4.
    const predict::PredictionLayout oneKey{1, 0, 0};
    const keys::KeyForest shown = analysis::WithPredictionGroup(Letters(), oneKey);
    const analysis::ScannedKeyboard scanned(shown, false);
    struct Row {
        const char* rule;
        std::string text;
        uint64_t keys;  // chosen from the predictions
        uint64_t actions;
    };
    const Row rows[] = {
        {"the letters of casa are predicted; the blank costs as much spelled", "casa ", 4,
         4 * 3 + 3},
        {"commas are never the likeliest", ",,", 0, 2 * 4},
        {"a letter the model does not expect is spelled", "o", 0, 7},
    };
    for (const Row& row : rows) {
        SCOPED_TRACE(row.rule);
        predict::WordModel model = Lexicon();
        analysis::WordPredictions predictions(model, scanned.Flat(), scanned.Costs(), oneKey,
                                              false);
        const analysis::CostSummary with =
            scanned.Write({analysis::DecodedText{row.text, {}}}, &predictions);
        EXPECT_EQ(with.predictedKeys, row.keys);
        EXPECT_EQ(with.predictedWords, 0u);
        EXPECT_EQ(with.Actions(), row.actions);
        EXPECT_EQ(with.typed, row.text.size());
    }
}

TEST(ScanCostPredictions, TheGroupStandsAtThePlaceItsLayoutGives) {
    struct Row {
        size_t place;
        size_t at;  // where the group is among the top-level nodes
    };
    for (const Row row : {Row{0, 0}, Row{2, 2}, Row{3, 3}, Row{9, 3}}) {
        const keys::KeyForest shown = analysis::WithPredictionGroup(Letters(), {2, 1, row.place});
        ASSERT_EQ(shown.size(), 4u);
        EXPECT_EQ(shown[row.at].children.size(), 3u) << row.place;
    }
}

}  // namespace

namespace {

// A long text of words made of the keyboard's letters, each once, beside the lexicon's words:
// what is learned of one foretells the next no better than the lexicon does.
std::string ManyUnlikeTheLexicon() {
    const char* pieces[] = {"lo", "ac", "sol", "o", "cal", "as", "l", "co"};
    std::string text;
    for (size_t i = 0; i < 200; ++i) {
        text += std::string(pieces[i % 8]) + pieces[(i / 8) % 8] + pieces[(i * 3 + 1) % 7] + " ";
        if (i % 4 == 0) text += "casa ";
    }
    return text;
}

// What the user writes only moves the predictions as far as it foretells them better than the
// lexicon: however few or unlike the lexicon's its words, learning them costs nothing more.
TEST(ScanCostPredictions, LearningAsItTypesNeverCostsMoreThanTheLexiconAlone) {
    const predict::PredictionLayout keysAndWords{2, 3, 0};
    const keys::KeyForest shown = analysis::WithPredictionGroup(Letters(), keysAndWords);
    const analysis::ScannedKeyboard scanned(shown, false);
    struct Row {
        const char* rule;
        std::string text;
    };
    const Row rows[] = {
        {"the lexicon's own words", "casa casal sol casa casal sol "},
        {"a word the lexicon lacks, again and again", "cosa cosa cosa cosa "},
        {"words the lexicon lacks, each once", "los cols sac col oca "},
        {"the lexicon's words beside unknown ones", "casa cola sol loca casal cosa "},
        {"one letter words between signs", "a, o, a, o, a, o, "},
        {"a word that begins as the lexicon's", "cas cas casa cas casal "},
        {"many words the lexicon lacks, between its own", ManyUnlikeTheLexicon()},
    };
    for (const Row& row : rows) {
        SCOPED_TRACE(row.rule);
        uint64_t actions[2] = {};
        for (const bool learning : {false, true}) {
            predict::WordModel model = Lexicon();
            analysis::WordPredictions predictions(model, scanned.Flat(), scanned.Costs(),
                                                  keysAndWords, learning);
            actions[learning] = scanned.Write({{row.text, {}}}, &predictions).Actions();
        }
        EXPECT_LE(actions[1], actions[0]);
    }
}

}  // namespace
