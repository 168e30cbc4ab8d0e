#include "platform/fake/FakeSwitchButtons.h"

#include <algorithm>

namespace platform {

void FakeSwitchButtons::Plug(const std::string& device, DeviceAccess access) {
    devices_[device] = access;
}

void FakeSwitchButtons::Unplug(const std::string& device) {
    devices_.erase(device);
    if (device != watchedDevice_) return;
    const std::function<void()> lost = std::move(onLost_);
    StopWatching();
    if (lost) lost();
}

void FakeSwitchButtons::Down(const std::string& device, const std::string& button) {
    Send(device, button, true);
}

void FakeSwitchButtons::Up(const std::string& device, const std::string& button) {
    Send(device, button, false);
}

void FakeSwitchButtons::Press(const std::string& device, const std::string& button) {
    Down(device, button);
    Up(device, button);
}

void FakeSwitchButtons::Send(const std::string& device, const std::string& button, bool down) {
    if (!devices_.count(device)) return;
    if (onCaught_ && down && devices_[device] == DeviceAccess::Open) {
        const auto caught = std::move(onCaught_);
        onCaught_ = nullptr;
        caught(device, button);
        return;
    }
    const bool watched =
        device == watchedDevice_ &&
        std::find(watchedButtons_.begin(), watchedButtons_.end(), button) != watchedButtons_.end();
    if (watched && onEvent_) {
        const auto onEvent = onEvent_;
        onEvent({button, down, now_()});
    }
}

DeviceAccess FakeSwitchButtons::Reach(const std::string& device) {
    const auto found = devices_.find(device);
    return found == devices_.end() ? DeviceAccess::Missing : found->second;
}

DeviceAccess FakeSwitchButtons::WatchButtons(const std::string& device,
                                             const std::vector<std::string>& buttons,
                                             std::function<void(const SwitchButtonEvent&)> onEvent,
                                             std::function<void()> onLost) {
    StopWatching();
    const DeviceAccess access = Reach(device);
    if (access != DeviceAccess::Open) return access;
    watchedDevice_ = device;
    watchedButtons_ = buttons;
    onEvent_ = std::move(onEvent);
    onLost_ = std::move(onLost);
    return access;
}

void FakeSwitchButtons::StopWatching() {
    watchedDevice_.clear();
    watchedButtons_.clear();
    onEvent_ = nullptr;
    onLost_ = nullptr;
}

ButtonListening FakeSwitchButtons::CatchNextButton(
    std::function<void(const std::string& device, const std::string& button)> onButton) {
    ButtonListening opened{DeviceAccess::Open, {}};
    ButtonListening refused{DeviceAccess::Refused, {}};
    for (const auto& [device, access] : devices_) {
        (access == DeviceAccess::Open ? opened : refused).devices.push_back(device);
    }
    if (opened.devices.empty()) return refused.devices.empty() ? ButtonListening{} : refused;
    onCaught_ = std::move(onButton);
    return opened;
}

}  // namespace platform
