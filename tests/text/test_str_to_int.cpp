#include <gtest/gtest.h>

#include <cstdint>
#include <optional>
#include <string>

#include "text/StrToInt.h"

namespace {

struct StrToIntCase {
    const char* rule;
    std::string text;
    std::optional<std::int32_t> expected;
};

const StrToIntCase kStrToIntCases[] = {
    {"plain decimal", "123", 123},
    {"leading zeros", "007", 7},
    {"leading blanks allowed", "  42", 42},
    {"trailing blank refused", "42 ", std::nullopt},
    {"tab is not a blank", "\t5", std::nullopt},
    {"minus sign", "-17", -17},
    {"plus sign", "+8", 8},
    {"sign after leading blanks", "  -5", -5},
    {"blank after the sign refused", "- 5", std::nullopt},
    {"hexadecimal after a dollar", "$1F", 31},
    {"hexadecimal after 0x", "0x10", 16},
    {"hexadecimal after 0X, digits in any case", "0XfF", 255},
    {"negative hexadecimal", "-$10", -16},
    {"negative hexadecimal after 0x", "-0x1", -1},
    {"hexadecimal is the 32-bit pattern", "$FFFFFFFF", -1},
    {"system colour written in hexadecimal", "$80000008", -2147483640},
    {"hexadecimal past 32 bits refused", "$100000000", std::nullopt},
    {"largest integer", "2147483647", 2147483647},
    {"one past the largest refused", "2147483648", std::nullopt},
    {"smallest integer", "-2147483648", INT32_MIN},
    {"one below the smallest refused", "-2147483649", std::nullopt},
    {"many digits refused", "99999999999999999999", std::nullopt},
    {"empty text refused", "", std::nullopt},
    {"blanks only refused", "   ", std::nullopt},
    {"sign only refused", "-", std::nullopt},
    {"dollar only refused", "$", std::nullopt},
    {"0x only refused", "0x", std::nullopt},
    {"letters refused", "abc", std::nullopt},
    {"hexadecimal digit in decimal refused", "12a", std::nullopt},
    {"decimal point refused", "1.5", std::nullopt},
    {"two signs refused", "--1", std::nullopt},
};

TEST(StrToInt, FollowsTheIntegerTextRules) {
    for (const StrToIntCase& c : kStrToIntCases) {
        SCOPED_TRACE(c.rule);
        EXPECT_EQ(text::TryStrToInt(c.text), c.expected);
        if (c.expected) {
            EXPECT_EQ(text::StrToInt(c.text), *c.expected);
        } else {
            EXPECT_THROW(text::StrToInt(c.text), text::EConvertError);
        }
    }
}

struct MessageCase {
    const char* rule;
    std::string text;
    std::string message;
};

const MessageCase kMessageCases[] = {
    {"letters named in the message", "abc", "'abc' is not a valid integer value"},
    {"blanks of the text kept in the message", " 12 ", "' 12 ' is not a valid integer value"},
    {"empty text", "", "'' is not a valid integer value"},
    {"Windows-1252 bytes kept", "\xC7", "'\xC7' is not a valid integer value"},
};

TEST(StrToInt, FailureNamesTheText) {
    for (const MessageCase& c : kMessageCases) {
        SCOPED_TRACE(c.rule);
        try {
            text::StrToInt(c.text);
            ADD_FAILURE() << "no exception";
        } catch (const text::EConvertError& error) {
            EXPECT_EQ(std::string(error.what()), c.message);
        }
    }
}

}  // namespace
