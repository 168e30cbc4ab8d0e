#pragma once

#include "platform/ScreenPixels.h"
#include "platform/Types.h"

class QWidget;

namespace platform {

// The mouse pointer.
class Pointer {
  public:
    virtual ~Pointer() = default;
    // Moves the pointer to screen pixel (x, y).
    virtual bool SetCursorPos(int x, int y) = 0;
    // A point of one of the program's widgets, given in the widget's client coordinates, in
    // screen pixels; where the desktop tells the toolkit where its windows are, the toolkit knows.
    virtual Point ClientToScreen(const QWidget* widget, Point client) {
        return ToScreenPixels(widget, QPoint(client.x, client.y));
    }
};

}  // namespace platform
