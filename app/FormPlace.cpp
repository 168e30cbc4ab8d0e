#include "app/FormPlace.h"

#include <QWidget>
#include <cmath>

#include "app/WindowPlace.h"
#include "platform/Constants.h"
#include "platform/ScreenPixels.h"

namespace app {

FormPlace::FormPlace(QWidget& window, platform::Windows& windows, platform::Rect designed)
    : window_(window), windows_(windows), llocDesitjat_(designed) {
    AplicarLloc();
}

void FormPlace::PlaceAtTopRight() {
    const int screenWidth = windows_.GetSystemMetrics(platform::SM_CXSCREEN);
    const int width = lloc::Amplada(llocDesitjat_);
    llocDesitjat_ = {screenWidth - width, 0, screenWidth, lloc::Alcada(llocDesitjat_)};
    alMargeDret_ = true;
    AplicarLloc();
}

void FormPlace::FitHeightToScreen() {
    const int screenHeight = windows_.GetSystemMetrics(platform::SM_CYSCREEN);
    if (screenHeight < lloc::Alcada(llocDesitjat_))
        llocDesitjat_.bottom = llocDesitjat_.top + screenHeight;
    AplicarLloc();
}

void FormPlace::MoureFinestraA(int left, int top) {
    const int width = lloc::Amplada(llocDesitjat_);
    const int height = lloc::Alcada(llocDesitjat_);
    llocDesitjat_ = {left, top, left + width, top + height};
    AplicarLloc();
}

void FormPlace::CanviarMida(int width, int height) {
    llocDesitjat_.right = llocDesitjat_.left + width;
    llocDesitjat_.bottom = llocDesitjat_.top + height;
    // Placed by the design at the screen's right edge, it stays there whatever its width.
    if (alMargeDret_) {
        llocDesitjat_.left = windows_.GetSystemMetrics(platform::SM_CXSCREEN) - width;
        llocDesitjat_.right = llocDesitjat_.left + width;
    }
    AplicarLloc();
}

platform::Rect FormPlace::LlocActual() {
    platform::Rect outer;
    if (window_.isVisible() && windows_.GetWindowRect(windows_.HandleOf(&window_), &outer)) {
        return outer;
    }
    return llocDesitjat_;
}

// The toolkit places the window at once, in its own units and before any frame is known;
// once the window is on the screen the desktop puts its outer sides exactly where wanted.
void FormPlace::AplicarLloc() {
    const double scale = platform::ScaleOf(&window_);
    const QPoint place(static_cast<int>(std::lround(llocDesitjat_.left / scale)),
                       static_cast<int>(std::lround(llocDesitjat_.top / scale)));
    const QSize outer(static_cast<int>(std::lround(lloc::Amplada(llocDesitjat_) / scale)),
                      static_cast<int>(std::lround(lloc::Alcada(llocDesitjat_) / scale)));
    window_.move(place);
    window_.resize(outer - (window_.frameGeometry().size() - window_.size()));
    if (window_.isVisible()) {
        windows_.SetWindowPos(windows_.HandleOf(&window_), platform::HWND_TOP, llocDesitjat_.left,
                              llocDesitjat_.top, lloc::Amplada(llocDesitjat_),
                              lloc::Alcada(llocDesitjat_), platform::SWP_NOZORDER);
    }
}

// The window manager's frame is known only some time after the window is shown: the place
// is given again then, so that the outer sides are the designed or saved ones. A saved
// place that would leave the window out of reach is brought back onto the screen first.
void FormPlace::KeepDesignPlace() {
    if (frameKnown_ || !window_.isVisible()) return;
    frameKnown_ = window_.frameGeometry().size() != window_.size();
    const bool firstShow = !shownOnce_;
    shownOnce_ = true;
    if (!frameKnown_ && !firstShow) return;
    llocDesitjat_ =
        lloc::DinsDeLaPantalla(llocDesitjat_, windows_.GetSystemMetrics(platform::SM_CXSCREEN),
                               windows_.GetSystemMetrics(platform::SM_CYSCREEN));
    AplicarLloc();
}

}  // namespace app
