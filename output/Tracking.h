#pragma once

#include <functional>

#include "lang/CaptionTable.h"
#include "platform/Time.h"
#include "platform/Types.h"
#include "platform/Windows.h"
#include "ui/ChangeTimer.h"

class QWidget;

namespace output {

// What the tracking asks of the rest of the keyboard, wired by the form.
struct TrackingHooks {
    // The keyboard's own windows, which are never recorded: the main window, and the about
    // box once it exists (nullptr before).
    QWidget* FormPrincipal;
    std::function<QWidget*()> AboutBox;
    // Another window became the receiving window.
    std::function<void()> SeguirAltraFinestra;
    // The main window's outer sides in screen pixels.
    std::function<platform::Rect()> LlocActual;
    std::function<lang::Llengua()> Llengua;
};

// The receiving window: the application the keys are meant for, recorded whenever a foreign
// window comes to the foreground and shown in the keyboard's caption.
class Tracking {
  public:
    Tracking(platform::Windows& windows, platform::Time& time, TrackingHooks hooks);
    ~Tracking();
    Tracking(const Tracking&) = delete;
    Tracking& operator=(const Tracking&) = delete;

    void TimerCercaHandleFinestraTimer();
    void MenuAjustarlagrandriadelafinestrareceptoraClick();
    // Gives the foreground back to the receiving window, when one is known.
    void TornarALaFinestraReceptora();

    // None until the first foreign window comes to the foreground; never cleared.
    platform::HWND FinestraReceptora = 0;
    // Ticks only when the window system says the window in front or its title changed.
    ChangeTimer TimerCercaHandleFinestra;

  private:
    platform::Windows& windows_;
    TrackingHooks hooks_;
};

}  // namespace output
