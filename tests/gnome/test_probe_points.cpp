#include <gtest/gtest.h>

#include <algorithm>

#include "platform/gnome/ProbePoints.h"

namespace {

using platform::Point;
using platform::Rect;

bool Holds(const Rect& window, const Point& point) {
    return point.x >= window.left && point.x < window.right && point.y >= window.top &&
           point.y < window.bottom;
}

TEST(ProbePoints, AWindowAnywhereOnTheScreensHoldsAPoint) {
    struct Case {
        const char* name;
        Rect layout;
        int width;
        int height;
    };
    const Case cases[] = {
        {"a narrow keyboard on one screen", {0, 0, 1280, 800}, 203, 600},
        {"a small window", {0, 0, 1024, 768}, 37, 21},
        {"a window as large as the screen", {0, 0, 640, 480}, 640, 480},
        {"two screens side by side", {-1920, 0, 1280, 1080}, 150, 90},
        {"a window one pixel wide", {0, 0, 50, 40}, 1, 3},
    };
    for (const Case& c : cases) {
        const std::vector<Point> points = platform::gnome::ProbePoints(c.layout, c.width, c.height);
        for (int top = c.layout.top; top + c.height <= c.layout.bottom; top += 7) {
            for (int left = c.layout.left; left + c.width <= c.layout.right; left += 5) {
                const Rect window{left, top, left + c.width, top + c.height};
                EXPECT_TRUE(std::any_of(points.begin(), points.end(),
                                        [&](const Point& p) { return Holds(window, p); }))
                    << c.name << ": a window at " << left << "," << top;
            }
        }
    }
}

TEST(ProbePoints, TheCentreComesFirstWhereMutterPutsANewWindow) {
    const std::vector<Point> points = platform::gnome::ProbePoints({0, 0, 1280, 800}, 200, 600);
    ASSERT_FALSE(points.empty());
    EXPECT_TRUE(Holds({540, 100, 740, 700}, points.front()));
    EXPECT_LE(points.size(), 24u) << "few enough to find a window within a second";
}

TEST(ProbePoints, AnEmptyLayoutHasNone) {
    EXPECT_TRUE(platform::gnome::ProbePoints({0, 0, 0, 0}, 200, 600).empty());
    EXPECT_TRUE(platform::gnome::ProbePoints({0, 0, 1280, 800}, 0, 600).empty());
}

}  // namespace
