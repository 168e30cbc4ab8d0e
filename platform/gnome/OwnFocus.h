#pragma once

#include <QPointer>
#include <QWidget>
#include <vector>

#include "platform/Types.h"

namespace platform::gnome {

// The program's own top-level windows as the toolkit knows them, with handles of their own
// apart from the other programs' windows.
class OwnFocus {
  public:
    HWND HandleOf(QWidget* topLevel);
    // The own window that has the keyboard focus, or 0.
    HWND Active();

  private:
    std::vector<QPointer<QWidget>> windows_;
};

}  // namespace platform::gnome
