#include <gtest/gtest.h>

#include "output/CharacterClasses.h"

namespace {

TEST(CharacterCase, CapitalsAndSmallLettersAreTheCodePagesOwnPairs) {
    struct Row {
        const char* rule;
        char small;
        char capital;
    };
    const Row rows[] = {
        {"a plain letter", 'b', 'B'},
        {"a grave vowel", '\xE0', '\xC0'},
        {"an acute vowel", '\xE9', '\xC9'},
        {"n with tilde", '\xF1', '\xD1'},
        {"c with cedilla", '\xE7', '\xC7'},
        {"s caron, beyond Latin-1", '\x9A', '\x8A'},
        {"o-e ligature, beyond Latin-1", '\x9C', '\x8C'},
        {"z caron, beyond Latin-1", '\x9E', '\x8E'},
        {"y diaeresis, whose capital lies beyond Latin-1", '\xFF', '\x9F'},
    };
    for (const Row& row : rows) {
        SCOPED_TRACE(row.rule);
        EXPECT_EQ(output::InCapitals(row.small), row.capital);
        EXPECT_EQ(output::InCapitals(row.capital), row.capital);
        EXPECT_EQ(output::InSmallLetters(row.capital), row.small);
        EXPECT_EQ(output::InSmallLetters(row.small), row.small);
    }
}

TEST(CharacterCase, CharactersWithoutACounterpartStayAsTheyAre) {
    struct Row {
        const char* rule;
        char character;
    };
    const Row rows[] = {
        {"sharp s has no single capital", '\xDF'},
        {"the micro sign's capital is Greek", '\xB5'},
        {"a digit", '7'},
        {"a colon", ':'},
        {"the inverted question mark", '\xBF'},
        {"the multiplication sign, among the capitals", '\xD7'},
        {"the division sign, among the small letters", '\xF7'},
        {"a blank", ' '},
        {"carriage return", '\r'},
        {"an unassigned byte", '\x81'},
    };
    for (const Row& row : rows) {
        SCOPED_TRACE(row.rule);
        EXPECT_EQ(output::InCapitals(row.character), row.character);
        EXPECT_EQ(output::InSmallLetters(row.character), row.character);
    }
}

}  // namespace
