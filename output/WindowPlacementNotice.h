#pragma once

#include "lang/CaptionTable.h"
#include "platform/Windows.h"

namespace output {

// Tells the user, in the interface language, that the desktop places windows itself, so the
// receiving window cannot be fitted beside the keyboard.
void TellTheDesktopPlacesWindows(platform::Windows& windows, lang::Llengua llengua);

}  // namespace output
