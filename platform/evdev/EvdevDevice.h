#pragma once

#include <filesystem>
#include <functional>
#include <memory>
#include <string>

#include "platform/SwitchButtons.h"

class QSocketNotifier;
struct libevdev;

namespace platform::evdev {

// One input device opened for its button events, read whenever the event loop finds some
// waiting: nothing runs while the device is quiet.
class EvdevDevice {
  public:
    // The device opened, or the access that was refused or the device missing.
    static std::unique_ptr<EvdevDevice> Open(const std::filesystem::path& node, std::string name,
                                             DeviceAccess& access);
    ~EvdevDevice();
    EvdevDevice(const EvdevDevice&) = delete;
    EvdevDevice& operator=(const EvdevDevice&) = delete;

    const std::string& Name() const { return name_; }
    // Every button press and release from now on goes to onEvent; onGone is called once when
    // the device goes away. Either may destroy this device.
    void Watch(std::function<void(const SwitchButtonEvent&)> onEvent, std::function<void()> onGone);
    // No other program gets the device's events while it is open.
    void Grab();

  private:
    EvdevDevice(int fd, libevdev* device, std::string name);
    void ReadEvents();

    int fd_;
    libevdev* device_;
    std::string name_;
    std::function<void(const SwitchButtonEvent&)> onEvent_;
    std::function<void()> onGone_;
    QSocketNotifier* notifier_ = nullptr;
    // False once the device is destroyed, for a read whose callback destroyed it.
    std::shared_ptr<bool> alive_ = std::make_shared<bool>(true);
};

}  // namespace platform::evdev
