#include "output/ReceivingWindow.h"

namespace output {

bool PortarAlDavant(platform::Windows& windows, platform::HWND receiver) {
    const bool inFront = receiver != 0 && windows.BringWindowToTop(receiver);
    windows.ProcessMessages();
    return inFront;
}

}  // namespace output
