#pragma once

#include <memory>

#include "tests/support/PointerClicks.h"

namespace e2e {

// The pointer of a compositor's seat, moved and clicked by a device of the test's own (a
// wlroots virtual pointer, KWin's fake input), as a person's mouse or switch would: where the
// pointer is cannot be read there.
class WaylandInput {
  public:
    WaylandInput();
    ~WaylandInput();
    WaylandInput(const WaylandInput&) = delete;
    WaylandInput& operator=(const WaylandInput&) = delete;

    bool Connected() const;
    // To a point of the layout, in logical pixels.
    void MoveTo(Point point);
    // By so many logical pixels from where the pointer is.
    void MoveBy(int dx, int dy);
    // A press and release where the pointer is (1 left, 3 right), with a person's pause after.
    void Click(int button = 1);
    // A press or a release alone, for a bench that times between them.
    void Button(int button, bool down);

  private:
    struct Devices;
    std::unique_ptr<Devices> devices_;
};

}  // namespace e2e
