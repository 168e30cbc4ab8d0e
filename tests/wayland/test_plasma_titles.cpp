#include <gtest/gtest.h>

#include <string>

#include "platform/wayland/PlasmaWindows.h"

namespace {

TEST(PlasmaWindows, KWinsNumberForATitleTwoWindowsShareIsNoPartOfTheTitle) {
    struct Case {
        const char* name;
        std::string told;
        std::string title;
    };
    const Case cases[] = {
        {"the second window of a title", "typing receiver <2>", "typing receiver"},
        {"a tenth one", "Document <10>", "Document"},
        {"a title of its own", "typing receiver", "typing receiver"},
        {"angle brackets around words are the title's", "mail <draft>", "mail <draft>"},
        {"no number inside", "sum <>", "sum <>"},
        {"brackets without the blank before them", "x<2>", "x<2>"},
        {"an empty title", "", ""},
    };
    for (const Case& c : cases) {
        EXPECT_EQ(platform::wayland::WithoutKWinNumber(c.told), c.title) << c.name;
    }
}

}  // namespace
