#pragma once

#include <QPoint>

#include "platform/Types.h"

class QWidget;

namespace platform {

// The toolkit counts in logical pixels; the desktop's operations count in the screen's own
// pixels, which are more of them on a scaled desktop (Xft.dpi 144, QT_SCALE_FACTOR=2).

// Screen pixels per logical pixel where the widget is shown.
double ScaleOf(const QWidget* widget);

// A point of the widget (logical, in its own coordinates) in screen pixels.
Point ToScreenPixels(const QWidget* widget, QPoint local);

}  // namespace platform
