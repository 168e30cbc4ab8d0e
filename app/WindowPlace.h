#pragma once

#include "platform/Types.h"

// Where the main window stands, in the screen's own pixels and counting the window manager's
// frame, as the settings file keeps it.
namespace lloc {

// How much of the window must stay on the screen for the user to reach it with the pointer.
inline constexpr int kVisibleMinim = 48;

// The window moved the least that keeps its top edge and a part of it on the screen, so that
// its title bar can be taken to move it; its size is left as it is.
platform::Rect DinsDeLaPantalla(platform::Rect outer, int screenWidth, int screenHeight);

inline int Amplada(const platform::Rect& rect) { return rect.right - rect.left; }
inline int Alcada(const platform::Rect& rect) { return rect.bottom - rect.top; }

}  // namespace lloc
