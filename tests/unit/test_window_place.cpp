#include <gtest/gtest.h>

#include "app/WindowPlace.h"

namespace {

std::string Text(const platform::Rect& r) {
    return std::to_string(r.left) + "," + std::to_string(r.top) + " " +
           std::to_string(r.right - r.left) + "x" + std::to_string(r.bottom - r.top);
}

TEST(WindowPlace, ASavedPlaceAlwaysLeavesTheWindowWithinReach) {
    struct Case {
        const char* name;
        platform::Rect saved;
        const char* expected;  // on a 1024 x 768 screen
    };
    const Case cases[] = {
        {"on the screen: as saved", {821, 300, 1024, 935}, "821,300 203x635"},
        {"down the right edge, taller than the screen", {821, 200, 1024, 1200}, "821,200 203x1000"},
        {"title bar above the screen", {820, -20, 1025, 640}, "820,0 205x660"},
        {"beyond the right edge", {2000, 100, 2203, 735}, "976,100 203x635"},
        {"beyond the left edge", {-500, 100, -297, 735}, "-155,100 203x635"},
        {"below the screen", {100, 900, 303, 1535}, "100,720 203x635"},
        {"a window narrower than the part kept", {-100, 10, -80, 30}, "0,10 20x20"},
    };
    for (const Case& c : cases) {
        EXPECT_EQ(Text(lloc::DinsDeLaPantalla(c.saved, 1024, 768)), c.expected) << c.name;
    }
}

}  // namespace
