#include <gtest/gtest.h>

#include <string>

#include "upctv/Utf8.h"
#include "upctv/Voice.h"

namespace {

TEST(Conversion, Windows1252BecomesUtf8) {
    struct Row {
        const char* rule;
        std::string text1252;
        std::string utf8;
    };
    const Row rows[] = {
        {"plain ASCII is unchanged", "Bon dia", "Bon dia"},
        {"Latin-1 letters: a grave", "\xe0", "\xc3\xa0"},
        {"Latin-1 letters: capital C cedilla", "\xc7", "\xc3\x87"},
        {"middle dot of l.l", "col\xb7la", "col\xc2\xb7la"},
        {"0x80 is the euro sign", "\x80", "\xe2\x82\xac"},
        {"0x92 is the right single quote",
         "l\x92"
         "aigua",
         "l\xe2\x80\x99"
         "aigua"},
        {"0x9F is Y diaeresis", "\x9f", "\xc5\xb8"},
        {"unassigned 0x81 becomes a blank",
         "a\x81"
         "b",
         "a b"},
        {"unassigned 0x9D becomes a blank", "\x9d", " "},
        {"control characters become blanks",
         "a\x01\x1b"
         "b",
         "a  b"},
        {"line breaks and tabs are kept", "a\nb\tc", "a\nb\tc"},
        {"0xFF is y diaeresis", "\xff", "\xc3\xbf"},
    };
    for (const Row& row : rows) {
        EXPECT_EQ(upctv::Utf8FromWindows1252(row.text1252), row.utf8) << row.rule;
    }
}

TEST(Conversion, SpeedBecomesWordsPerMinute) {
    struct Row {
        const char* rule;
        int speed;
        int wordsPerMinute;
    };
    const Row rows[] = {
        {"1 is the slowest rate", 1, 80},
        {"100 is the natural rate", 100, 175},
        {"255 is the fastest rate", 255, 450},
        {"below 1 is the slowest rate", 0, 80},
        {"above 255 is the fastest rate", 1000, 450},
        {"halfway below natural", 50, 127},
        {"a little faster than natural", 131, 230},
    };
    for (const Row& row : rows) {
        EXPECT_EQ(upctv::WordsPerMinute(row.speed), row.wordsPerMinute) << row.rule;
    }
}

}  // namespace
