#include "app/WindowPlace.h"

#include <algorithm>

namespace lloc {

platform::Rect DinsDeLaPantalla(platform::Rect outer, int screenWidth, int screenHeight) {
    const int width = Amplada(outer);
    const int height = Alcada(outer);
    const int visibleWidth = std::min(kVisibleMinim, width);
    const int left = std::clamp(outer.left, visibleWidth - width, screenWidth - visibleWidth);
    const int top = std::clamp(outer.top, 0, std::max(0, screenHeight - kVisibleMinim));
    return platform::Rect{left, top, left + width, top + height};
}

}  // namespace lloc
