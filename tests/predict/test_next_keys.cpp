#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "TempFolder.h"
#include "predict/CharacterModel.h"
#include "predict/NextKeys.h"
#include "predict/WordModel.h"
#include "text/Case.h"

// Next-key prediction: the keys of a keyboard ranked by the characters each is expected to
// type at one choice, from a character model of the lexicon's words and of the learned ones.
namespace {

using Keys = std::vector<std::string>;

// After "qu" only vowels come; "que" is the likeliest word, "casa" the likeliest after c.
constexpr const char* kLexicon =
    "orvalet-words 1\n"
    "que 50\n"
    "quan 20\n"
    "qui 10\n"
    "casa 30\n"
    "cosa 5\n"
    "l' 40\n";

// The keys of a small keyboard as the model takes them: the text each types, small letters.
const Keys kKeyboard = {"a", "c", "e", "i", "l", "n", "o", "q", "s", "u", " ", "'"};

Keys Texts(const Keys& keys, const std::vector<size_t>& places) {
    Keys texts;
    for (size_t place : places) texts.push_back(keys[place]);
    return texts;
}

class NextKeys : public ::testing::Test {
  protected:
    void SetUp() override {
        ASSERT_EQ(model.LoadLexicon(folder.Write("ca.txt", kLexicon)).outcome,
                  predict::LoadOutcome::Loaded);
    }

    Keys Offered(const std::string& typing, size_t count, const Keys& keys = kKeyboard) const {
        return Texts(keys, model.NextKeys(typing, keys, count));
    }

    TempFolder folder;
    predict::WordModel model;
};

TEST_F(NextKeys, TheKeysFollowTheWordBeingTyped) {
    struct Row {
        const char* rule;
        std::string typing;
        size_t count;
        Keys offered;
    };
    const Row rows[] = {
        {"after qu the vowels, likeliest first, before any consonant", "qu", 3, {"e", "a", "i"}},
        {"a word's beginning: the letters words begin with, by their words' counts",
         "",
         3,
         {"q", "l", "c"}},
        {"after ca the letter of casa", "ca", 1, {"s"}},
        {"a whole word typed: the blank after it", "casa", 1, {" "}},
        {"in capitals as in small letters", "QU", 1, {"e"}},
        {"no more than asked", "qu", 0, {}},
    };
    for (const Row& row : rows) {
        EXPECT_EQ(Offered(row.typing, row.count), row.offered) << row.rule;
    }
}

TEST_F(NextKeys, AnElisionIsFollowedByAWordNotByABlank) {
    // "l'" joins the next word: after it a word begins again, and q is the likeliest.
    EXPECT_EQ(Offered("l", 1), Keys{"'"});
    EXPECT_EQ(Offered("l'", 1), Keys{"q"});
}

TEST_F(NextKeys, AKeyOfTheLikeliestWholeWordComesBeforeItsFirstLetter) {
    const Keys keys = {"q", "que ", "qui "};
    EXPECT_EQ(Offered("", 3, keys), (Keys{"que ", "q", "qui "}));
}

TEST_F(NextKeys, KeysThatTypeNothingAreNeverOffered) {
    const Keys keys = {"", "q", ""};
    EXPECT_EQ(Offered("", 5, keys), Keys{"q"});
    EXPECT_TRUE(Offered("", 5, {}).empty());
}

TEST_F(NextKeys, WhatTheUserWritesComesToTheFront) {
    EXPECT_EQ(Offered("", 1), Keys{"q"});
    for (int i = 0; i < 200; ++i) model.Learn({"nou", "", 1});
    EXPECT_EQ(Offered("", 1), Keys{"n"});
    // Taken back as often as written, it weighs nothing again.
    for (int i = 0; i < 200; ++i) model.Learn({"nou", "", -1});
    EXPECT_EQ(Offered("", 1), Keys{"q"});
    // Cleared, the same.
    for (int i = 0; i < 200; ++i) model.Learn({"nou", "", 1});
    model.ClearLearned();
    EXPECT_EQ(Offered("", 1), Keys{"q"});
}

TEST(CharacterModel, ProbabilitiesOfTheNextCharacterAddUpToOne) {
    predict::CharacterModel characters;
    characters.Learn("que", 5);
    characters.Learn("casa", 3);
    struct Row {
        const char* typing;
    };
    for (const Row row : {Row{""}, Row{"q"}, Row{"qu"}, Row{"casa"}, Row{"xyz"}}) {
        double sum = 0;
        // Capitals are their small letters: each character is counted once.
        for (int c = 0; c < 256; ++c) {
            const char character = static_cast<char>(c);
            if (text::ToSmall(character) != character) continue;
            sum += characters.Probability(row.typing, std::string(1, character));
        }
        EXPECT_NEAR(sum, 1.0, 1e-9) << row.typing;
    }
    // A key of two characters: the first, then the second after it.
    EXPECT_NEAR(characters.Probability("", "qu"),
                characters.Probability("", "q") * characters.Probability("q", "u"), 1e-12);
}

TEST(CharacterModel, AnEmptyModelOffersEveryCharacterAlike) {
    const predict::CharacterModel characters;
    EXPECT_EQ(characters.Total(), 0u);
    EXPECT_GT(characters.Probability("qu", "e"), 0.0);
    EXPECT_DOUBLE_EQ(characters.Probability("qu", "e"), characters.Probability("", "x"));
    EXPECT_DOUBLE_EQ(characters.Probability("qu", "E"), characters.Probability("qu", "e"));
}

}  // namespace
