#pragma once

#include "platform/Types.h"
#include "platform/wayland/Outputs.h"
#include "platform/wayland/Toplevels.h"

class QWidget;

namespace platform::wayland {

// The program's own top-level windows among the compositor's: the compositor knows them by
// the application id the toolkit gives them, and one from another by its title.
class OwnWindows {
  public:
    explicit OwnWindows(const Toplevels& toplevels);

    // The handle of one of the program's shown top-level widgets, or 0.
    HWND HandleOf(QWidget* topLevel) const;
    // A point of a widget (its own logical pixels) in the layout's pixels: from where the
    // compositor put the widget's window when it tells, else where the toolkit guesses.
    Point ClientToScreen(const QWidget* widget, Point client, const Outputs& outputs) const;

  private:
    const Toplevels& toplevels_;
};

}  // namespace platform::wayland
