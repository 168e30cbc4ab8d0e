#pragma once

#include "platform/Time.h"
#include "platform/Windows.h"

namespace output {

// Asks once for the receiving window to be brought to the top and lets pending messages run.
// False when it is not in front (none known yet, closed, or the window manager is slow).
bool PortarAlDavant(platform::Windows& windows, platform::HWND receiver);

// Brings the receiving window to the top before keys are sent to it, waiting for a slow window
// manager as long as it takes within a generous bound, with messages handled meanwhile. False
// when it could not be put in front: keys sent then would land in some other window.
bool EsperarAlDavant(platform::Windows& windows, platform::Time& time, platform::HWND receiver);

}  // namespace output
