#include <gtest/gtest.h>

#include "app/CommandLine.h"

namespace {

TEST(CommandLine, ParametersJoinIntoOneFileName) {
    struct Case {
        const char* name;
        QStringList parameters;
        std::string expected;
    };
    const Case cases[] = {
        {"no parameters", {}, ""},
        {"one parameter", {"teclat.QuarnelTeclat"}, "teclat.QuarnelTeclat"},
        {"two parameters are one name", {"a", "b"}, "a b"},
        {"a quoted parameter keeps its inner blanks", {"my  keys", "x"}, "my  keys x"},
        {"trailing blanks and controls are cut", {"a", "b \t\r\n"}, "a b"},
        {"an empty last parameter leaves no blank", {"a", ""}, "a"},
        {"leading blanks stay", {" a"}, " a"},
    };
    for (const Case& c : cases) EXPECT_EQ(JoinParameters(c.parameters), c.expected) << c.name;
}

}  // namespace
