#pragma once

#include <filesystem>
#include <memory>
#include <optional>
#include <vector>

#include "platform/SwitchButtons.h"
#include "platform/evdev/EvdevDevice.h"
#include "platform/evdev/InputDevices.h"

namespace platform::evdev {

// Joystick and gamepad buttons through the kernel's event devices, the same under X11 and
// Wayland. Devices are listed from /sys/class/input, which anyone may read, and opened in
// /dev/input, which takes membership of the `input` group or a udev rule.
class EvdevButtons : public SwitchButtons {
  public:
    explicit EvdevButtons(std::filesystem::path classFolder = "/sys/class/input",
                          std::filesystem::path nodeFolder = "/dev/input");
    ~EvdevButtons() override;

    DeviceAccess Reach(const std::string& device) override;
    DeviceAccess WatchButtons(const std::string& device, const std::vector<std::string>& buttons,
                              std::function<void(const SwitchButtonEvent&)> onEvent,
                              std::function<void()> onLost) override;
    void StopWatching() override;
    ButtonListening CatchNextButton(
        std::function<void(const std::string& device, const std::string& button)> onButton)
        override;
    void StopCatchingButton() override;

  private:
    std::optional<InputDevice> Find(const std::string& name) const;

    std::filesystem::path classFolder_;
    std::filesystem::path nodeFolder_;
    std::unique_ptr<EvdevDevice> watched_;
    std::vector<std::unique_ptr<EvdevDevice>> listened_;
};

}  // namespace platform::evdev
