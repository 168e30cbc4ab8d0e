#pragma once

#include <cstdint>
#include <functional>
#include <set>

#include "platform/wayland/KeySink.h"

namespace platform::gnome {

// Keys go on only while a receiving window is known to have the focus: the keyboard's own
// window, or a window nobody has told of, must not get them. A key that went down through the
// gate always comes up through it.
class KeyGate final : public wayland::KeySink {
  public:
    KeyGate(wayland::KeySink& sink, std::function<bool()> open)
        : sink_(sink), open_(std::move(open)) {}

    void Key(uint32_t code, bool down) override;

  private:
    wayland::KeySink& sink_;
    std::function<bool()> open_;
    std::set<uint32_t> down_;
};

}  // namespace platform::gnome
