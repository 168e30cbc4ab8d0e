#include <gtest/gtest.h>

#include "app/CommandLine.h"

namespace {

TEST(CommandLine, ParametersJoinIntoOneFileName) {
    struct Case {
        const char* name;
        std::vector<std::string> parameters;
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

TEST(CommandLine, EveryWordAfterTheProgramNameIsAParameterByteForByte) {
    struct Case {
        const char* name;
        std::vector<const char*> argv;
        std::string expected;
    };
    const Case cases[] = {
        {"only the program", {"orvalet"}, ""},
        {"words that look like options", {"orvalet", "my", "-reverse", "file"}, "my -reverse file"},
        {"a name that is not UTF-8", {"orvalet", "teclat \xE9s"}, "teclat \xE9s"},
        {"a toolkit option alone", {"orvalet", "-style", "x"}, "-style x"},
    };
    for (const Case& c : cases) {
        const auto parameters = ParametersOf(static_cast<int>(c.argv.size()), c.argv.data());
        EXPECT_EQ(JoinParameters(parameters), c.expected) << c.name;
    }
}

}  // namespace
