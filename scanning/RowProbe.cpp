#include "scanning/RowProbe.h"

#include <QFont>
#include <algorithm>
#include <cmath>

namespace scanning {
namespace {

constexpr double kPointsPerInch = 72.0;
constexpr double kPixelsPerInch = 96.0;

}  // namespace

int PuntsDeLaFont(const QFont& font) {
    if (font.pointSize() != -1) return font.pointSize();
    if (font.pixelSize() != -1) {
        return static_cast<int>(std::lround(font.pixelSize() * kPointsPerInch / kPixelsPerInch));
    }
    return 0;
}

std::vector<int> AlcadesDeSondeig(int points, int clientHeight) {
    std::vector<int> heights;
    const int step = std::max(points, 1);
    for (int y = std::max(points - points / 2, 0); y < clientHeight; y += step) {
        heights.push_back(y);
    }
    return heights;
}

}  // namespace scanning
