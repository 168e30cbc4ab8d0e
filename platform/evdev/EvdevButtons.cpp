#include "platform/evdev/EvdevButtons.h"

#include <algorithm>

namespace platform::evdev {

EvdevButtons::EvdevButtons(std::filesystem::path classFolder, std::filesystem::path nodeFolder)
    : classFolder_(std::move(classFolder)), nodeFolder_(std::move(nodeFolder)) {}

EvdevButtons::~EvdevButtons() = default;

std::optional<InputDevice> EvdevButtons::Find(const std::string& name) const {
    for (InputDevice& device : ListInputDevices(classFolder_, nodeFolder_)) {
        if (device.name == name) return std::move(device);
    }
    return std::nullopt;
}

DeviceAccess EvdevButtons::Reach(const std::string& name) {
    const std::optional<InputDevice> device = Find(name);
    if (!device) return DeviceAccess::Missing;
    DeviceAccess access = DeviceAccess::Missing;
    EvdevDevice::Open(device->node, device->name, access);
    return access;
}

DeviceAccess EvdevButtons::WatchButtons(const std::string& name,
                                        const std::vector<std::string>& buttons,
                                        std::function<void(const SwitchButtonEvent&)> onEvent,
                                        std::function<void()> onLost) {
    watched_.reset();
    const std::optional<InputDevice> device = Find(name);
    if (!device) return DeviceAccess::Missing;
    DeviceAccess access = DeviceAccess::Missing;
    watched_ = EvdevDevice::Open(device->node, device->name, access);
    if (!watched_) return access;
    watched_->Grab();
    watched_->Watch(
        [buttons, onEvent = std::move(onEvent)](const SwitchButtonEvent& event) {
            if (std::find(buttons.begin(), buttons.end(), event.button) != buttons.end()) {
                onEvent(event);
            }
        },
        [this, onLost = std::move(onLost)] {
            watched_.reset();
            onLost();
        });
    return DeviceAccess::Open;
}

void EvdevButtons::StopWatching() { watched_.reset(); }

ButtonListening EvdevButtons::CatchNextButton(
    std::function<void(const std::string& device, const std::string& button)> onButton) {
    listened_.clear();
    ButtonListening opened{DeviceAccess::Open, {}};
    ButtonListening refused{DeviceAccess::Refused, {}};
    for (const InputDevice& device : ListInputDevices(classFolder_, nodeFolder_)) {
        if (!device.joystick) continue;
        DeviceAccess access = DeviceAccess::Missing;
        std::unique_ptr<EvdevDevice> open = EvdevDevice::Open(device.node, device.name, access);
        if (access == DeviceAccess::Refused) refused.devices.push_back(device.name);
        if (!open) continue;
        opened.devices.push_back(device.name);
        open->Watch(
            [this, onButton, name = device.name](const SwitchButtonEvent& event) {
                if (!event.down) return;
                // Listening ends with the first press, wherever it comes from.
                StopCatchingButton();
                onButton(name, event.button);
            },
            [] {});
        listened_.push_back(std::move(open));
    }
    if (!opened.devices.empty()) return opened;
    if (!refused.devices.empty()) return refused;
    return {};
}

void EvdevButtons::StopCatchingButton() { listened_.clear(); }

}  // namespace platform::evdev
