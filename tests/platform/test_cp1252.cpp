#include <gtest/gtest.h>

#include <string>

#include "platform/Cp1252.h"

namespace {

TEST(Cp1252, EveryByteSurvivesTheRoundTrip) {
    for (int byte = 0; byte < 256; ++byte) {
        const std::string text(1, static_cast<char>(byte));
        EXPECT_EQ(platform::FromQString(platform::ToQString(text)), text) << byte;
    }
}

TEST(Cp1252, MapsTheCodePageCharacters) {
    struct Case {
        const char* name;
        std::string bytes;
        char16_t unicode;
    };
    const Case cases[] = {
        {"euro sign", "\x80", u'\u20AC'},       {"low quote", "\x82", u'\u201A'},
        {"ellipsis", "\x85", u'\u2026'},        {"S caron", "\x8A", u'\u0160'},
        {"left quote", "\x91", u'\u2018'},      {"em dash", "\x97", u'\u2014'},
        {"trade mark", "\x99", u'\u2122'},      {"Y diaeresis", "\x9F", u'\u0178'},
        {"capital A grave", "\xC0", u'\u00C0'}, {"small n tilde", "\xF1", u'\u00F1'},
        {"acute accent", "\xB4", u'\u00B4'},    {"unassigned 81", "\x81", u'\u0081'},
    };
    for (const Case& c : cases) {
        EXPECT_EQ(platform::ToQString(c.bytes), QString(QChar(c.unicode))) << c.name;
    }
}

TEST(Cp1252, CharactersOutsideTheCodePageBecomeQuestionMarks) {
    EXPECT_EQ(platform::FromQString(QString::fromUtf8("a\xE2\x86\x92"
                                                      "b")),
              "a?b");                                                              // arrow
    EXPECT_EQ(platform::FromQString(QString::fromUtf8("\xF0\x9F\x98\x80")), "?");  // emoji
    EXPECT_EQ(platform::FromQString(QString::fromUtf8("\xE6\x97\xA5")), "?");      // CJK
}

}  // namespace
