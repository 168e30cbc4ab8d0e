#pragma once

#include "platform/Types.h"
#include "platform/Windows.h"

namespace output {

// Brings the receiving window to the top and lets pending messages run, so that it is
// active again before keys are sent. False when it could not be put in front (none known
// yet, or closed): keys sent then would land in some other window.
bool PortarAlDavant(platform::Windows& windows, platform::HWND receiver);

}  // namespace output
