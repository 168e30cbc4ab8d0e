#pragma once

#include <memory>

#include "tests/support/PointerClicks.h"

namespace e2e {

// Synthetic pointer and key input on an X connection of its own, sent at once: for
// measuring, where a helper program per click would cost more than what is measured.
class XTestInput {
  public:
    XTestInput();
    ~XTestInput();
    XTestInput(const XTestInput&) = delete;
    XTestInput& operator=(const XTestInput&) = delete;

    // False when no X display could be opened.
    bool Connected() const;
    // Where the pointer is.
    Point Where() const;
    void MoveAndPress(Point at, int button);
    void Release(int button);
    // Moves there and clicks, times times.
    void Click(Point at, int button, int times = 1);
    // Clicks where the pointer is.
    void Click(int button);
    // A key, named by its X keysym, pressed or released.
    void Key(unsigned long keysym, bool down);

  private:
    struct Connection;
    std::unique_ptr<Connection> connection_;
};

}  // namespace e2e
