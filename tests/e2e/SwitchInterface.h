#pragma once

#include <memory>
#include <string>

#include "platform/Types.h"

namespace e2e {

// A switch interface that sends keys, plugged in as an input device of its own, as a USB switch
// box is: a second master device of the input extension, whose synthetic keyboard sends the
// switch's keys. Its keyboard focus is on the given window, so that a key nothing catches lands
// there, as a switch box's key lands in the window the user works in. Unplugged when it goes.
class SwitchInterface {
  public:
    explicit SwitchInterface(platform::HWND focus);
    ~SwitchInterface();
    SwitchInterface(const SwitchInterface&) = delete;
    SwitchInterface& operator=(const SwitchInterface&) = delete;

    // False when the display or its input extension would not make the device.
    bool Plugged() const;
    // The key named by its X keysym name ("F12") goes down, or up.
    void Key(const std::string& name, bool down);

  private:
    struct Device;
    std::unique_ptr<Device> device_;
};

}  // namespace e2e
