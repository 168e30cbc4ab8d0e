#pragma once

#include "lang/CaptionTable.h"
#include "platform/Desktop.h"

namespace output {

// Tells the user, in the interface language, that the desktop places windows itself, so the
// receiving window cannot be fitted beside the keyboard.
void TellTheDesktopPlacesWindows(platform::Desktop& desktop, lang::Llengua llengua);

}  // namespace output
