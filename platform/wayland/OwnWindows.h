#pragma once

#include <optional>

#include "platform/Types.h"
#include "platform/wayland/Outputs.h"
#include "platform/wayland/ToplevelList.h"

class QWidget;

namespace platform::wayland {

// The program's own top-level windows among the compositor's: the compositor knows them by
// the application id the toolkit gives them, and one from another by its title.
class OwnWindows {
  public:
    explicit OwnWindows(const ToplevelList& toplevels);

    // The handle of one of the program's shown top-level widgets, or 0.
    HWND HandleOf(const QWidget* topLevel) const;
    // A point of a widget (its own logical pixels) in the layout's pixels: from where the
    // compositor put the widget's window when it tells (sway its content, KWin its frame),
    // else where the toolkit guesses.
    Point ClientToScreen(const QWidget* widget, Point client, const Outputs& outputs) const;

    // Where the content of a window of that size lies in its frame, for a compositor that
    // tells only the frame: the side borders alike, the bottom one as wide, the rest on top.
    static Point ContentOrigin(Rect frame, int width, int height);

  private:
    // Where the window's content begins in the layout, where the compositor tells.
    std::optional<Point> ContentOriginOf(const QWidget* window) const;

    const ToplevelList& toplevels_;
};

}  // namespace platform::wayland
