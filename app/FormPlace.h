#pragma once

#include "platform/Types.h"
#include "platform/Windows.h"

class QWidget;

namespace app {

// Where the main window stands, in the screen's own pixels and counting the window manager's
// frame: at the top right of the screen as designed, or where the settings file puts it. The
// toolkit places the window at once, before any frame is known; the place is given again
// once it is, brought back onto the screen when it would be out of reach.
class FormPlace {
  public:
    FormPlace(QWidget& window, platform::Windows& windows, platform::Rect designed);

    void PlaceAtTopRight();
    void FitHeightToScreen();
    void MoureFinestraA(int left, int top);
    void CanviarMida(int width, int height);
    // A saved left edge: the window no longer keeps to the screen's right edge.
    void DeixarElMargeDret() { alMargeDret_ = false; }
    // The outer sides as wanted, and as the desktop has them once the window is shown.
    const platform::Rect& LlocDesitjat() const { return llocDesitjat_; }
    platform::Rect LlocActual();
    // The window was shown, moved or resized.
    void KeepDesignPlace();

  private:
    void AplicarLloc();

    QWidget& window_;
    platform::Windows& windows_;
    platform::Rect llocDesitjat_;
    // True while the window stands where the design puts it, against the screen's right edge.
    bool alMargeDret_ = true;
    bool shownOnce_ = false;
    bool frameKnown_ = false;
};

}  // namespace app
