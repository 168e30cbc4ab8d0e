#pragma once

#include "platform/Types.h"

namespace e2e {

// Opens the keyboard's options menu with a click on the menu bar, as its window never takes
// the keyboard focus, and chooses the item so many places below the first with the arrows
// (the open menu holds the keyboard). scale: screen pixels per logical pixel.
void ChooseOption(platform::HWND keyboard, int place, double scale = 1.0);

}  // namespace e2e
