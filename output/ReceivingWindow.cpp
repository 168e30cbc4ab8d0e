#include "output/ReceivingWindow.h"

#include "ui/UnitTools.h"

namespace output {
namespace {

// A person may have scanned for many seconds to choose a key: a window manager that is busy
// for a moment must not lose it.
constexpr uint32_t kLimitActivacioMs = 5000;
constexpr int kReintentActivacioMs = 50;

bool DemanarFinsQueEstiguiDavant(platform::Windows& windows, platform::Time& time,
                                 platform::HWND receiver) {
    const uint32_t start = time.GetTickCount();
    while (!windows.BringWindowToTop(receiver)) {
        if (!windows.IsWindow(receiver)) return false;
        if (time.GetTickCount() - start >= kLimitActivacioMs) return false;
        Espera(time, kReintentActivacioMs);
    }
    return true;
}

}  // namespace

bool PortarAlDavant(platform::Windows& windows, platform::HWND receiver) {
    const bool inFront = receiver != 0 && windows.BringWindowToTop(receiver);
    windows.ProcessMessages();
    return inFront;
}

bool EsperarAlDavant(platform::Windows& windows, platform::Time& time, platform::HWND receiver) {
    const bool inFront = receiver != 0 && DemanarFinsQueEstiguiDavant(windows, time, receiver);
    windows.ProcessMessages();
    return inFront;
}

}  // namespace output
