#include <gtest/gtest.h>

#include "text/Case.h"

namespace {

TEST(TextCase, CapitalsAndSmallLettersAreTheCodePagesOwnPairs) {
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
        {"thorn, the last pair of the Latin-1 block", '\xFE', '\xDE'},
    };
    for (const Row& row : rows) {
        SCOPED_TRACE(row.rule);
        EXPECT_EQ(text::ToCapital(row.small), row.capital);
        EXPECT_EQ(text::ToCapital(row.capital), row.capital);
        EXPECT_EQ(text::ToSmall(row.capital), row.small);
        EXPECT_EQ(text::ToSmall(row.small), row.small);
    }
}

TEST(TextCase, CharactersWithoutACounterpartStayAsTheyAre) {
    struct Row {
        const char* rule;
        char character;
    };
    const Row rows[] = {
        {"sharp s has no single capital", '\xDF'},
        {"the micro sign's capital is Greek", '\xB5'},
        {"the ordinal indicators", '\xAA'},
        {"f with hook", '\x83'},
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
        EXPECT_EQ(text::ToCapital(row.character), row.character);
        EXPECT_EQ(text::ToSmall(row.character), row.character);
    }
}

TEST(TextCase, WholeTextsChangeLetterByLetter) {
    struct Row {
        const char* rule;
        const char* capitals;
        const char* small;
    };
    const Row rows[] = {
        {"A to Z", "BAZ", "baz"},
        {"accented capitals", "\xC0\xC9\xD3\xDA", "\xE0\xE9\xF3\xFA"},
        {"\xD1 and \xC7", "\xD1\xC7", "\xF1\xE7"},
        {"S caron, OE, Z caron and Y diaeresis", "\x8A\x8C\x8E\x9F", "\x9A\x9C\x9E\xFF"},
        {"signs between letters", "L\xB7L, Q?", "l\xB7l, q?"},
        {"multiplication and division signs", "\xD7\xF7", "\xD7\xF7"},
        {"sharp s and micro sign", "\xDF\xB5", "\xDF\xB5"},
        {"signs and digits", "7.?\xBF@", "7.?\xBF@"},
    };
    for (const Row& row : rows) {
        EXPECT_EQ(text::ToSmall(row.capitals), row.small) << row.rule;
        EXPECT_EQ(text::ToCapital(row.small), row.capitals) << row.rule;
    }
}

TEST(TextCase, TheKeysLowerCasingTouchesOnlyAToZ) {
    EXPECT_EQ(text::LowerAscii("BA \xC0\xD1\xC7\x8A Z@[`"), "ba \xC0\xD1\xC7\x8A z@[`");
    EXPECT_EQ(text::LowerAscii('Q'), 'q');
    EXPECT_EQ(text::LowerAscii('\xC0'), '\xC0');
}

}  // namespace
