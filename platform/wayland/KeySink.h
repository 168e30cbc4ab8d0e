#pragma once

#include <cstdint>

namespace platform::wayland {

// Where a keyboard's key events go: a device of the compositor's seat.
class KeySink {
  public:
    virtual ~KeySink() = default;
    // Presses or releases the key of that Linux input event code.
    virtual void Key(uint32_t code, bool down) = 0;
};

}  // namespace platform::wayland
