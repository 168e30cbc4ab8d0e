#pragma once

#include "platform/Types.h"
#include "tests/support/PointerClicks.h"

namespace e2e {

// The scanning step of the keyboard, in tenths of a second, typed into the toolbar's step field
// as a person types it: a click on the field gives the keyboard the focus, the digits replace
// the value, and Return gives the focus back to the window being typed into. treeOrigin: the
// tree's top left corner on the screen; scale: screen pixels per logical pixel. False when the
// keyboard did not take the focus or did not give it back.
bool TypeStepTime(platform::HWND keyboard, Point treeOrigin, int tenths, double scale = 1.0);

}  // namespace e2e
