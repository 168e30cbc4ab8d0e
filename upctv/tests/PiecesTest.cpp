#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "upctv/Latin1.h"
#include "upctv/Pieces.h"

namespace {

using Pieces = std::vector<std::string>;

TEST(Pieces, ALongTextIsCutAtSentencesAndBlanksWithinTheLongestPiece) {
    struct Row {
        const char* rule;
        std::string text;
        std::size_t longest;
        Pieces expected;
    };
    const Row rows[] = {
        {"a short key stays whole", "BA", 300, {"BA"}},
        {"each sentence is a piece", "Hola. Com va? B\xe9!", 300, {"Hola.", " Com va?", " B\xe9!"}},
        {"a long sentence is cut at its last blank",
         "un dos tres quatre",
         10,
         {"un dos ", "tres ", "quatre"}},
        {"a word longer than a piece is cut inside", "abcdefghij", 4, {"abcd", "efgh", "ij"}},
        {"blank pieces say nothing", "Hola.   \n\n", 300, {"Hola."}},
        {"nothing at all", "", 300, {}},
    };
    for (const Row& row : rows) {
        EXPECT_EQ(upctv::SplitIntoPieces(row.text, row.longest), row.expected) << row.rule;
    }
}

TEST(Latin1, WindowsSignsBecomeTheirLookAlikesAndTheRestSurvives) {
    struct Row {
        const char* rule;
        std::string utf8;
        std::string expected;
    };
    const Row rows[] = {
        {"Catalan letters are Latin-1", "pel·lícula està",
         "pel\xb7l\xed"
         "cula est\xe0"},
        {"curly quotes straighten", "“sí” ‘no’", "\"s\xed\" 'no'"},
        {"dashes and the ellipsis", "a–b—c…", "a-b-c..."},
        {"the euro sign is said", "5€", "5 euros "},
        {"what Windows-1252 lacks is a blank", "a→b", "a b"},
        {"text that is not UTF-8 says nothing", "\xff\xfe", ""},
    };
    for (const Row& row : rows) {
        EXPECT_EQ(upctv::Latin1FromUtf8(row.utf8), row.expected) << row.rule;
    }
}

}  // namespace
