#pragma once

#include <vector>

class QFont;

namespace scanning {

// The font's size in points; a font sized in pixels is converted at 96 pixels per inch.
int PuntsDeLaFont(const QFont& font);

// The heights, in the tree's client pixels, at which the rows are probed for the highlighted
// key with a font of the given points: from the middle of the first row, one font size
// apart, while inside the client area. A size of 0 or less still advances by one pixel.
std::vector<int> AlcadesDeSondeig(int points, int clientHeight);

}  // namespace scanning
