#pragma once

namespace platform {

// The mouse pointer.
class Pointer {
  public:
    virtual ~Pointer() = default;
    // Moves the pointer to screen pixel (x, y).
    virtual bool SetCursorPos(int x, int y) = 0;
};

}  // namespace platform
