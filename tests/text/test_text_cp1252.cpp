#include <gtest/gtest.h>

#include <optional>
#include <string>

#include "text/Cp1252.h"

namespace {

constexpr char kUnmappable = '\x81';

TEST(TextCp1252, Utf8IsConvertedWhenValidAndRefusedOtherwise) {
    struct Row {
        const char* rule;
        std::string utf8;
        std::optional<std::string> expected;
    };
    const Row rows[] = {
        {"plain letters", "casa", "casa"},
        {"accented letters", "\xC3\xA0nima \xC3\xB1u", "\xE0nima \xF1u"},
        {"the typographic apostrophe", "l\xE2\x80\x99home", "l\x92home"},
        {"the euro sign", "\xE2\x82\xAC", "\x80"},
        {"Y diaeresis", "\xC5\xB8", "\x9F"},
        {"a letter outside the code page", "Erd\xC5\x91s", "Erd\x81s"},
        {"an emoji outside the code page", "\xF0\x9F\x98\x80", "\x81"},
        {"a Latin-1 byte", "\xE0nima", std::nullopt},
        {"a sequence cut short", "casa\xC3", std::nullopt},
        {"an overlong form", "\xC0\xAF", std::nullopt},
        {"a surrogate", "\xED\xA0\x80", std::nullopt},
        {"beyond the last code point", "\xF4\x90\x80\x80", std::nullopt},
    };
    for (const Row& row : rows) {
        EXPECT_EQ(text::FromUtf8(row.utf8, kUnmappable), row.expected) << row.rule;
    }
}

TEST(TextCp1252, EveryByteSurvivesTheRoundTrip) {
    std::string all;
    for (int byte = 0; byte < 256; ++byte) all.push_back(static_cast<char>(byte));
    EXPECT_EQ(text::FromUtf8(text::ToUtf8(all), kUnmappable), all);
    for (int byte = 0; byte < 256; ++byte) {
        EXPECT_EQ(text::FromUnicode(text::ToUnicode(static_cast<char>(byte))),
                  static_cast<char>(byte))
            << byte;
    }
}

TEST(TextCp1252, OnlyFiveBytesAreUnassigned) {
    std::string unassigned;
    for (int byte = 0; byte < 256; ++byte) {
        if (!text::IsAssigned(static_cast<char>(byte)))
            unassigned.push_back(static_cast<char>(byte));
    }
    EXPECT_EQ(unassigned, "\x81\x8D\x8F\x90\x9D");
    EXPECT_EQ(text::FromUnicode(U'\u2192'), std::nullopt) << "an arrow";
}

}  // namespace
