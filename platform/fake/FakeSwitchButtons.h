#pragma once

#include <functional>
#include <map>
#include <string>
#include <vector>

#include "platform/SwitchButtons.h"

namespace platform {

// Joysticks and gamepads for tests: the test plugs devices in, says which may be read, presses
// their buttons and unplugs them. A press reaches the program while its device is watched for
// that button, or while a button is being caught.
class FakeSwitchButtons : public SwitchButtons {
  public:
    // --- scripting -------------------------------------------------------------------
    // A device of that name is plugged in, readable unless `access` says otherwise.
    void Plug(const std::string& device, DeviceAccess access = DeviceAccess::Open);
    // The device goes away: a program reading it is told at once.
    void Unplug(const std::string& device);
    // The clock that times the button events.
    void SetClock(std::function<uint32_t()> now) { now_ = std::move(now); }
    void Down(const std::string& device, const std::string& button);
    void Up(const std::string& device, const std::string& button);
    // A press and a release.
    void Press(const std::string& device, const std::string& button);

    // --- inspection ------------------------------------------------------------------
    // The device watched now, empty for none, and its buttons watched.
    const std::string& Watched() const { return watchedDevice_; }
    const std::vector<std::string>& WatchedButtons() const { return watchedButtons_; }
    bool Catching() const { return static_cast<bool>(onCaught_); }

    // --- SwitchButtons ---------------------------------------------------------------
    DeviceAccess Reach(const std::string& device) override;
    DeviceAccess WatchButtons(const std::string& device, const std::vector<std::string>& buttons,
                              std::function<void(const SwitchButtonEvent&)> onEvent,
                              std::function<void()> onLost) override;
    void StopWatching() override;
    ButtonListening CatchNextButton(
        std::function<void(const std::string& device, const std::string& button)> onButton)
        override;
    void StopCatchingButton() override { onCaught_ = nullptr; }

  private:
    void Send(const std::string& device, const std::string& button, bool down);

    // Devices plugged in, in name order, with whether they may be read.
    std::map<std::string, DeviceAccess> devices_;
    std::function<uint32_t()> now_ = [] { return 0u; };
    std::string watchedDevice_;
    std::vector<std::string> watchedButtons_;
    std::function<void(const SwitchButtonEvent&)> onEvent_;
    std::function<void()> onLost_;
    std::function<void(const std::string&, const std::string&)> onCaught_;
};

}  // namespace platform
