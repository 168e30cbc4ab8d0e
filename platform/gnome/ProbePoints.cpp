#include "platform/gnome/ProbePoints.h"

#include <algorithm>

namespace platform::gnome {
namespace {

// The coordinates from low to high, no farther apart than a window's side: a side of that
// length lying between low and high holds one of them.
std::vector<int> Spaced(int low, int high, int side) {
    std::vector<int> values;
    if (high <= low || side <= 0) return values;
    const int step = std::max(1, side - 1);
    for (int value = low + std::min(step, high - low) / 2; value < high; value += step) {
        values.push_back(value);
    }
    return values;
}

}  // namespace

std::vector<Point> ProbePoints(Rect layout, int width, int height) {
    std::vector<Point> points;
    for (int y : Spaced(layout.top, layout.bottom, height)) {
        for (int x : Spaced(layout.left, layout.right, width)) points.push_back({x, y});
    }
    const long centreX = (static_cast<long>(layout.left) + layout.right) / 2;
    const long centreY = (static_cast<long>(layout.top) + layout.bottom) / 2;
    const auto distance = [&](const Point& point) {
        const long dx = point.x - centreX;
        const long dy = point.y - centreY;
        return dx * dx + dy * dy;
    };
    std::stable_sort(points.begin(), points.end(),
                     [&](const Point& a, const Point& b) { return distance(a) < distance(b); });
    return points;
}

}  // namespace platform::gnome
