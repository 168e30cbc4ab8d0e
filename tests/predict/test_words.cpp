#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "predict/Words.h"

namespace {

using predict::SplitWords;
using predict::TextEnd;

// "previous>word", the way the rows below write a word and its context.
std::string Shown(const predict::Word& word) { return word.previous + ">" + word.text; }

std::vector<std::string> Shown(const std::vector<predict::Word>& words) {
    std::vector<std::string> shown;
    for (const auto& word : words) shown.push_back(Shown(word));
    return shown;
}

TEST(SplitWords, FindsWordsAndThePhraseTheyAreIn) {
    struct Case {
        const char* name;
        std::string text;
        std::vector<std::string> expected;
    };
    const Case cases[] = {
        {"a blank parts words of one phrase", "casa gran", {">casa", "casa>gran"}},
        {"a comma ends the phrase", "casa, gran", {">casa", ">gran"}},
        {"Return ends the phrase", "casa\rgran", {">casa", ">gran"}},
        {"a hyphen keeps the phrase", "anar-hi", {">anar", "anar>hi"}},
        {"an elided article is a word ending in the apostrophe", "l'home", {">l'", "l'>home"}},
        {"so is an elided preposition", "d'aigua", {">d'", "d'>aigua"}},
        {"a pronoun after a verb begins with the apostrophe", "porta'l", {">porta", "porta>'l"}},
        {"the typographic apostrophe is an apostrophe", "l\x92home", {">l'", "l'>home"}},
        {"quotes around a word are signs", "'casa'", {">casa"}},
        {"capitals, accented ones too, are small letters",
         "\xC0NIMA \xD1u",
         {">\xE0nima", "\xE0nima>\xF1u"}},
        {"the middle dot of l\xB7l is inside the word", "col\xB7legi", {">col\xB7legi"}},
        {"a full stop between two l stands for the middle dot", "col.legi", {">col\xB7legi"}},
        {"a full stop after l ends a sentence", "final. Ara", {">final", ">ara"}},
        {"a middle dot elsewhere is a sign",
         "a\xB7"
         "b",
         {">a", ">b"}},
        {"a digit makes its run no word, nor context", "mp3 casa", {">casa"}},
        {"a foreign letter makes its run no word",
         "Stra\xDF"
         "e casa",
         {">casa"}},
        {"thirty letters are a word", std::string(30, 'a'), {">" + std::string(30, 'a')}},
        {"thirty-one are not", std::string(31, 'a'), {}},
    };
    for (const Case& c : cases) {
        EXPECT_EQ(Shown(SplitWords(c.text, TextEnd::Closed).words), c.expected) << c.name;
    }
}

TEST(SplitWords, AnOpenTextEndsInTheWordBeingTyped) {
    struct Case {
        const char* name;
        const char* text;
        std::vector<std::string> finished;
        const char* typing;  // nullptr: the characters at the end make no word
    };
    const Case cases[] = {
        {"letters at the end are being typed", "la ca", {">la"}, "la>ca"},
        {"after a blank nothing is begun", "la ", {">la"}, "la>"},
        {"after a sign nothing is begun, nor a phrase", "la, ", {">la"}, ">"},
        {"an elision is finished at its apostrophe", "l'", {">l'"}, "l'>"},
        {"an apostrophe after a verb begins a pronoun", "porta'", {">porta"}, "porta>'"},
        {"l and a full stop may be the start of l\xB7l", "col.", {}, ">col\xB7"},
        {"l and a middle dot too", "col\xB7", {}, ">col\xB7"},
        {"a digit in the word being typed", "mp3", {}, nullptr},
        {"nothing typed", "", {}, ">"},
    };
    for (const Case& c : cases) {
        auto split = SplitWords(c.text, TextEnd::Open);
        EXPECT_EQ(Shown(split.words), c.finished) << c.name;
        if (c.typing == nullptr) {
            EXPECT_FALSE(split.typing) << c.name;
        } else {
            ASSERT_TRUE(split.typing) << c.name;
            EXPECT_EQ(Shown(*split.typing), c.typing) << c.name;
        }
    }
}

TEST(IsWord, AcceptsWhatSplitWordsGives) {
    struct Case {
        const char* text;
        bool expected;
    };
    const Case cases[] = {
        {"casa", true},        {"\xE0nima", true}, {"l'", true},     {"'ls", true},
        {"col\xB7legi", true}, {"", false},        {"Casa", false},  {"casa gran", false},
        {"la'", false},        {"'", false},       {"\xB7l", false}, {"col\xB7", false},
        {"mp3", false},        {"l''", false},
    };
    for (const Case& c : cases) EXPECT_EQ(predict::IsWord(c.text), c.expected) << c.text;
}

}  // namespace
