#include <algorithm>
#include <array>

#include "about/TAboutBox.h"
#include "app/TFormPrincipal.h"
#include "platform/Constants.h"
#include "platform/Cp1252.h"

namespace {

// Titles are read into a buffer of this size, so the caption holds at most 254 bytes.
constexpr int kTitleBuffer = 255;

}  // namespace

void TFormPrincipal::TimerCercaHandleFinestraTimer() {
    const platform::HWND foreground = desktop.GetForegroundWindow();
    if (foreground == desktop.HandleOf(this)) return;
    if (AboutBox && foreground == desktop.HandleOf(AboutBox)) return;
    if (foreground != FinestraReceptora) SeguirAltraFinestra();
    FinestraReceptora = foreground;
    if (foreground != 0) desktop.BringWindowToTop(foreground);
    std::array<char, kTitleBuffer> title{};
    const int length = desktop.GetWindowTextA(foreground, title.data(), kTitleBuffer);
    setWindowTitle(platform::ToQString(
        {title.data(), static_cast<size_t>(std::clamp(length, 0, kTitleBuffer - 1))}));
}

void TFormPrincipal::MenuAjustarlagrandriadelafinestrareceptoraClick() {
    // With no receiving window there is nothing to fit.
    if (FinestraReceptora == 0) return;
    const platform::Rect keyboard = LlocActual();
    const int keyboardWidth = keyboard.right - keyboard.left;
    const int maximizedWidth = desktop.GetSystemMetrics(platform::SM_CXMAXIMIZED);
    const int maximizedHeight = desktop.GetSystemMetrics(platform::SM_CYMAXIMIZED);
    desktop.SetWindowPos(FinestraReceptora, platform::HWND_TOP, 0, 0,
                         maximizedWidth - keyboardWidth, maximizedHeight, platform::SWP_SHOWWINDOW);
}
