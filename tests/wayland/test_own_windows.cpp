#include <gtest/gtest.h>

#include "platform/wayland/OwnWindows.h"

namespace {

using platform::Point;
using platform::Rect;
using platform::wayland::OwnWindows;

TEST(OwnWindows, TheContentLiesWithinTheFrameBelowTheTitleBar) {
    struct Case {
        const char* name;
        Rect frame;
        int width;
        int height;
        Point expected;
    };
    const Case cases[] = {
        {"no decoration at all", {100, 50, 400, 250}, 300, 200, {100, 50}},
        {"a title bar and no borders", {100, 50, 400, 280}, 300, 200, {100, 80}},
        {"a title bar and 4-pixel borders", {100, 50, 408, 284}, 300, 200, {104, 80}},
        {"a frame smaller than the content keeps the frame's corner",
         {10, 20, 100, 60},
         300,
         200,
         {10, 20}},
    };
    for (const Case& c : cases) {
        const Point origin = OwnWindows::ContentOrigin(c.frame, c.width, c.height);
        EXPECT_EQ(origin.x, c.expected.x) << c.name;
        EXPECT_EQ(origin.y, c.expected.y) << c.name;
    }
}

}  // namespace
