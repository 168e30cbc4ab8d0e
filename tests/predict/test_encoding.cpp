#include <gtest/gtest.h>

#include <optional>
#include <string>

#include "predict/Encoding.h"

namespace {

using predict::Utf8ToCp1252;

TEST(Utf8ToCp1252, ConvertsValidTextAndRefusesInvalid) {
    struct Case {
        const char* name;
        std::string utf8;
        std::optional<std::string> expected;
    };
    const Case cases[] = {
        {"plain letters", "casa", "casa"},
        {"accented letters", "\xC3\xA0nima \xC3\xB1u", "\xE0nima \xF1u"},
        {"the typographic apostrophe", "l\xE2\x80\x99home", "l\x92home"},
        {"the euro sign", "\xE2\x82\xAC", "\x80"},
        {"a letter outside the code page", "Erd\xC5\x91s", "Erd\x81s"},
        {"a Latin-1 byte", "\xE0nima", std::nullopt},
        {"a sequence cut short", "casa\xC3", std::nullopt},
        {"an overlong form", "\xC0\xAF", std::nullopt},
        {"a surrogate", "\xED\xA0\x80", std::nullopt},
        {"beyond the last code point", "\xF4\x90\x80\x80", std::nullopt},
    };
    for (const Case& c : cases) EXPECT_EQ(Utf8ToCp1252(c.utf8), c.expected) << c.name;
}

TEST(Cp1252ToUtf8, EveryByteComesBack) {
    std::string all;
    for (int byte = 1; byte < 256; ++byte) all.push_back(static_cast<char>(byte));
    EXPECT_EQ(Utf8ToCp1252(predict::Cp1252ToUtf8(all)), all);
}

}  // namespace
