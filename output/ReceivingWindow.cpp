#include "output/ReceivingWindow.h"

#include "app/UnitTools.h"

namespace output {
namespace {

// A person may have scanned for many seconds to choose a key: a window manager that is busy
// for a moment must not lose it.
constexpr uint32_t kLimitActivacioMs = 5000;
constexpr int kReintentActivacioMs = 50;

bool DemanarFinsQueEstiguiDavant(platform::Desktop& desktop, platform::HWND receiver) {
    const uint32_t start = desktop.GetTickCount();
    while (!desktop.BringWindowToTop(receiver)) {
        if (!desktop.IsWindow(receiver)) return false;
        if (desktop.GetTickCount() - start >= kLimitActivacioMs) return false;
        Espera(desktop, kReintentActivacioMs);
    }
    return true;
}

}  // namespace

bool PortarAlDavant(platform::Desktop& desktop, platform::HWND receiver) {
    const bool inFront = receiver != 0 && desktop.BringWindowToTop(receiver);
    desktop.ProcessMessages();
    return inFront;
}

bool EsperarAlDavant(platform::Desktop& desktop, platform::HWND receiver) {
    const bool inFront = receiver != 0 && DemanarFinsQueEstiguiDavant(desktop, receiver);
    desktop.ProcessMessages();
    return inFront;
}

}  // namespace output
