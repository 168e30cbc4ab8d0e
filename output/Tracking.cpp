#include "output/Tracking.h"

#include <QWidget>
#include <algorithm>
#include <array>

#include "output/WindowPlacementNotice.h"
#include "platform/Constants.h"
#include "platform/Cp1252.h"
#include "ui/DesignTexts.h"

namespace output {
namespace {

// Titles are read into a buffer of this size, so the caption holds at most 254 bytes.
constexpr int kTitleBuffer = 255;

}  // namespace

Tracking::Tracking(platform::Windows& windows, platform::Time& time, TrackingHooks hooks)
    : TimerCercaHandleFinestra(time, design::kTrackingIntervalMs,
                               [this] { TimerCercaHandleFinestraTimer(); }),
      windows_(windows),
      hooks_(std::move(hooks)) {
    windows_.WatchForeground([this] { TimerCercaHandleFinestra.Changed(); });
}

Tracking::~Tracking() { windows_.WatchForeground({}); }

void Tracking::TimerCercaHandleFinestraTimer() {
    const platform::HWND foreground = windows_.GetForegroundWindow();
    if (foreground == windows_.HandleOf(hooks_.FormPrincipal)) return;
    if (QWidget* about = hooks_.AboutBox(); about && foreground == windows_.HandleOf(about)) {
        return;
    }
    if (foreground != FinestraReceptora) hooks_.SeguirAltraFinestra();
    FinestraReceptora = foreground;
    if (foreground != 0) windows_.BringWindowToTop(foreground);
    std::array<char, kTitleBuffer> title{};
    const int length = windows_.GetWindowTextA(foreground, title.data(), kTitleBuffer);
    hooks_.FormPrincipal->setWindowTitle(platform::ToQString(
        {title.data(), static_cast<size_t>(std::clamp(length, 0, kTitleBuffer - 1))}));
}

void Tracking::MenuAjustarlagrandriadelafinestrareceptoraClick() {
    if (!windows_.CanPlaceWindows()) {
        TellTheDesktopPlacesWindows(windows_, hooks_.Llengua());
        return;
    }
    // With no receiving window there is nothing to fit.
    if (FinestraReceptora == 0) return;
    const platform::Rect keyboard = hooks_.LlocActual();
    const int keyboardWidth = keyboard.right - keyboard.left;
    const int maximizedWidth = windows_.GetSystemMetrics(platform::SM_CXMAXIMIZED);
    const int maximizedHeight = windows_.GetSystemMetrics(platform::SM_CYMAXIMIZED);
    windows_.SetWindowPos(FinestraReceptora, platform::HWND_TOP, 0, 0,
                          maximizedWidth - keyboardWidth, maximizedHeight,
                          platform::SWP_SHOWWINDOW);
}

void Tracking::TornarALaFinestraReceptora() {
    if (FinestraReceptora != 0) windows_.BringWindowToTop(FinestraReceptora);
}

}  // namespace output
