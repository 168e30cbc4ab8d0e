#include <gtest/gtest.h>

#include <set>
#include <string>
#include <vector>

#include "TempFolder.h"
#include "predict/WordModel.h"

namespace {

using predict::WordChange;
using predict::WordModel;
using Words = std::vector<std::string>;

// A lexicon as a corpus of some 100,000 words would give: "de" stands for the
// bulk of the text, so that single words have a corpus's small likelihoods.
constexpr const char* kLexicon =
    "orvalet-words 1\n"
    "de 100000 castell 30 casa 2\n"
    "la 8000 seva 500 porta 300 casa 40\n"
    "casa 50 gran 10\n"
    "cas 40\n"
    "castell 30\n"
    "casament 5\n"
    "l' 60 home 20\n"
    "home 25\n"
    "gran 12\n"
    "\xC3\xA0nima 3\n";  // UTF-8, as the file is

class Predictions : public ::testing::Test {
  protected:
    void SetUp() override {
        ASSERT_EQ(model_.LoadLexicon(folder_.Write("ca.txt", kLexicon)).outcome,
                  predict::LoadOutcome::Loaded);
    }

    void Learn(const std::string& previous, const std::string& word, int times) {
        for (int i = 0; i < times; ++i) model_.Learn(WordChange{word, previous, 1});
    }

    TempFolder folder_;
    WordModel model_;
};

TEST_F(Predictions, RankByThePreviousWordThenByCount) {
    struct Case {
        const char* name;
        const char* previous;
        const char* prefix;
        Words expected;
    };
    const Case cases[] = {
        {"the more counted first; the word typed whole is left out",
         "",
         "cas",
         {"casa", "castell", "casament"}},
        {"a word seen after the previous one comes first",
         "de",
         "cas",
         {"castell", "casa", "casament"}},
        {"a previous word never seen ranks by count",
         "gos",
         "cas",
         {"casa", "castell", "casament"}},
        {"a prefix no word has", "", "xyz", {}},
        {"accented letters are letters of the prefix", "", "\xE0", {"\xE0nima"}},
        {"the prefix of an elision offers it", "", "l", {"la", "l'"}},
    };
    for (const Case& c : cases) {
        EXPECT_EQ(model_.Predict(c.previous, c.prefix), c.expected) << c.name;
    }
}

TEST_F(Predictions, WithNothingTypedOfferTheLikeliestNextWords) {
    EXPECT_EQ(model_.Predict("l'", "").front(), "home");
    EXPECT_EQ(model_.Predict("la", "").front(), "seva");
    EXPECT_EQ(model_.Predict("", "").front(), "de");
}

TEST_F(Predictions, NeverMoreThanSixNorTheSameTwice) {
    Learn("de", "casa", 3);
    Learn("de", "castell", 2);
    Learn("", "casona", 1);
    Learn("", "casal", 1);
    Learn("", "casolana", 1);
    for (const char* previous : {"", "de", "la"}) {
        Words got = model_.Predict(previous, "c");
        EXPECT_EQ(got.size(), predict::kPredictions) << previous;
        EXPECT_EQ(std::set<std::string>(got.begin(), got.end()).size(), got.size()) << previous;
    }
    EXPECT_EQ(model_.Predict("", "c", 2).size(), 2u);
}

TEST_F(Predictions, LearningChangesTheRanking) {
    Learn("", "casament", 3);
    EXPECT_EQ(model_.Predict("", "cas").front(), "casament");

    Learn("la", "castell", 10);
    EXPECT_EQ(model_.Predict("la", "cas").front(), "castell");
}

TEST_F(Predictions, OffersAWordTheLexiconLacksOnceWritten) {
    EXPECT_EQ(model_.Predict("", "casal"), Words{});
    Learn("", "casalot", 1);
    EXPECT_EQ(model_.Predict("", "casal"), Words{"casalot"});
}

TEST_F(Predictions, ForgetsAWordTakenBack) {
    model_.Learn({"casalot", "la", 1});
    model_.Learn({"casalot", "la", -1});
    EXPECT_EQ(model_.Predict("la", "casal"), Words{});
    EXPECT_EQ(model_.LearnedWords(), 0u);
    EXPECT_EQ(model_.LearnedPairs(), 0u);
}

TEST(PredictionsWithoutLexicon, ComeFromWhatWasLearned) {
    TempFolder folder;
    WordModel model;
    EXPECT_EQ(model.LoadLexicon(folder / "missing.txt").outcome, predict::LoadOutcome::Missing);
    EXPECT_EQ(model.Predict("", ""), Words{});
    model.Learn({"casa", "", 1});
    EXPECT_EQ(model.Predict("", "c"), Words{"casa"});
}

}  // namespace
