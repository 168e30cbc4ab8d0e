#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "predict/TypedText.h"

namespace {

using predict::TypedText;

// Stands in a row of keys for a change of receiving window.
const std::string kOtherWindow = "<other window>";

// Types the keys, returning the learning changes as "+previous>word" or "-previous>word".
std::vector<std::string> TypeKeys(TypedText& typed, const std::vector<std::string>& keys) {
    std::vector<std::string> changes;
    for (const std::string& key : keys) {
        if (key == kOtherWindow) {
            typed.Forget();
            continue;
        }
        for (const auto& change : typed.Type(key)) {
            changes.push_back((change.change > 0 ? "+" : "-") + change.previous + ">" +
                              change.word);
        }
    }
    return changes;
}

TEST(TypedText, FollowsTheWordBeingTyped) {
    struct Case {
        const char* name;
        std::vector<std::string> keys;
        const char* typing;  // "previous>word", nullptr when no word can be made
    };
    const Case cases[] = {
        {"syllables make the word", {"ca", "sa"}, ">casa"},
        {"a blank ends the word and keeps the phrase", {"casa", " "}, "casa>"},
        {"Return ends the word and the phrase", {"casa", "\r"}, ">"},
        {"a sign ends the word and the phrase", {"casa", "?"}, ">"},
        {"Backspace takes back a character", {"casa", "\b"}, ">cas"},
        {"Backspace over the blank reopens the word", {"casa", " ", "\b"}, ">casa"},
        {"Backspace with nothing typed does nothing", {"\b", "\b", "a"}, ">a"},
        {"an accented capital key is the small letter", {"\xC0", "nima"}, ">\xE0nima"},
        {"the elided article ends at the apostrophe", {"l", "'"}, "l'>"},
        {"the next word follows the elision", {"l", "'", "ho"}, "l'>ho"},
        {"l.l as a keyboard without middle dot types it", {"co", "l.le"}, ">col\xB7le"},
        {"word keys ending in a blank", {"de ", "la "}, "la>"},
        {"a digit spoils the word", {"mp", "3"}, nullptr},
        {"a change of window forgets the word", {"ca", kOtherWindow}, ">"},
        {"and the phrase", {"casa ", kOtherWindow, "gran"}, ">gran"},
    };
    for (const Case& c : cases) {
        TypedText typed;
        TypeKeys(typed, c.keys);
        if (c.typing == nullptr) {
            EXPECT_FALSE(typed.Typing()) << c.name;
            continue;
        }
        ASSERT_TRUE(typed.Typing()) << c.name;
        EXPECT_EQ(typed.Typing()->previous + ">" + typed.Typing()->text, c.typing) << c.name;
    }
}

TEST(TypedText, ReportsWordsFinishedAndTakenBack) {
    struct Case {
        const char* name;
        std::vector<std::string> keys;
        std::vector<std::string> changes;
    };
    const Case cases[] = {
        {"a word is learned when finished", {"la casa", " "}, {"+>la", "+la>casa"}},
        {"nothing while it is being typed", {"la casa"}, {"+>la"}},
        {"Backspace over the blank takes it back", {"casa ", "\b"}, {"+>casa", "->casa"}},
        {"a corrected word is learned as corrected",
         {"cas ", "\b\b", "sa "},
         {"+>cas", "->cas", "+>casa"}},
        {"an elision is learned at its apostrophe", {"l'home "}, {"+>l'", "+l'>home"}},
        {"a word left for another window is not learned", {"casa", kOtherWindow, " "}, {}},
        {"nor taken back from there", {"casa ", kOtherWindow, "\b"}, {"+>casa"}},
        {"a word with a digit is not learned", {"mp3 "}, {}},
    };
    for (const Case& c : cases) {
        TypedText typed;
        EXPECT_EQ(TypeKeys(typed, c.keys), c.changes) << c.name;
    }
}

TEST(TypedText, KeepsLearningThroughLongTexts) {
    TypedText typed;
    std::vector<std::string> changes;
    for (int i = 0; i < 200; ++i) {
        for (const auto& change : typed.Type("casa ")) {
            changes.push_back(change.previous + ">" + change.word);
        }
    }
    ASSERT_EQ(changes.size(), 200u);
    EXPECT_EQ(changes.front(), ">casa");
    for (std::size_t i = 1; i < changes.size(); ++i) EXPECT_EQ(changes[i], "casa>casa") << i;
}

}  // namespace
