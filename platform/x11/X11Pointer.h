#pragma once

#include "platform/Pointer.h"
#include "platform/x11/X11Connection.h"

namespace platform::x11 {

// The core pointer, warped where it is asked to be; the toolkit knows where its windows are.
class X11Pointer final : public Pointer {
  public:
    explicit X11Pointer(X11Connection& connection) : connection_(connection) {}

    bool SetCursorPos(int x, int y) override;

  private:
    X11Connection& connection_;
};

}  // namespace platform::x11
