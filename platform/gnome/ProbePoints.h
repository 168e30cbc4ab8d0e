#pragma once

#include <vector>

#include "platform/Types.h"

namespace platform::gnome {

// Points of the layout, nearest its centre first, such that a window of that size lying
// wholly in the layout holds at least one of them wherever it lies: where to look for a
// window whose place the compositor does not tell.
std::vector<Point> ProbePoints(Rect layout, int width, int height);

}  // namespace platform::gnome
