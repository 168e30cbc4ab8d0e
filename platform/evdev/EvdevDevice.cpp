#include "platform/evdev/EvdevDevice.h"

#include <fcntl.h>
#include <libevdev/libevdev.h>
#include <unistd.h>

#include <QSocketNotifier>
#include <cerrno>
#include <ctime>

#include "platform/evdev/ButtonEvent.h"

namespace platform::evdev {
namespace {

DeviceAccess AccessOf(int error) {
    return error == EACCES || error == EPERM ? DeviceAccess::Refused : DeviceAccess::Missing;
}

}  // namespace

std::unique_ptr<EvdevDevice> EvdevDevice::Open(const std::filesystem::path& node, std::string name,
                                               DeviceAccess& access) {
    const int fd = ::open(node.c_str(), O_RDONLY | O_NONBLOCK | O_CLOEXEC);
    if (fd < 0) {
        access = AccessOf(errno);
        return nullptr;
    }
    libevdev* device = nullptr;
    if (const int error = libevdev_new_from_fd(fd, &device); error < 0) {
        ::close(fd);
        access = AccessOf(-error);
        return nullptr;
    }
    // Times that never jump with the wall clock, for the switch rules' intervals.
    libevdev_set_clock_id(device, CLOCK_MONOTONIC);
    access = DeviceAccess::Open;
    return std::unique_ptr<EvdevDevice>(new EvdevDevice(fd, device, std::move(name)));
}

EvdevDevice::EvdevDevice(int fd, libevdev* device, std::string name)
    : fd_(fd), device_(device), name_(std::move(name)) {}

EvdevDevice::~EvdevDevice() {
    *alive_ = false;
    if (notifier_) {
        // It may be the sender of the signal being handled.
        notifier_->setEnabled(false);
        notifier_->disconnect();
        notifier_->deleteLater();
    }
    libevdev_grab(device_, LIBEVDEV_UNGRAB);
    libevdev_free(device_);
    ::close(fd_);
}

void EvdevDevice::Watch(std::function<void(const SwitchButtonEvent&)> onEvent,
                        std::function<void()> onGone) {
    onEvent_ = std::move(onEvent);
    onGone_ = std::move(onGone);
    notifier_ = new QSocketNotifier(fd_, QSocketNotifier::Read);
    QObject::connect(notifier_, &QSocketNotifier::activated, [this] { ReadEvents(); });
}

void EvdevDevice::Grab() {
    // Another program that holds the device already keeps it; the switch still works.
    libevdev_grab(device_, LIBEVDEV_GRAB);
}

void EvdevDevice::ReadEvents() {
    const std::shared_ptr<bool> alive = alive_;
    unsigned int flag = LIBEVDEV_READ_FLAG_NORMAL;
    input_event event{};
    for (;;) {
        const int status = libevdev_next_event(device_, flag, &event);
        if (status == -EAGAIN) {
            if (flag == LIBEVDEV_READ_FLAG_NORMAL) return;
            // The events dropped while the kernel's buffer was full are made up for: go on.
            flag = LIBEVDEV_READ_FLAG_NORMAL;
            continue;
        }
        if (status < 0) {
            // Unplugged: the device is read no more.
            notifier_->setEnabled(false);
            const std::function<void()> gone = std::move(onGone_);
            gone();
            return;
        }
        if (status == LIBEVDEV_READ_STATUS_SYNC) flag = LIBEVDEV_READ_FLAG_SYNC;
        if (const std::optional<SwitchButtonEvent> button = ButtonEventOf(event)) {
            // A copy, which outlives the device if the call destroys it.
            const std::function<void(const SwitchButtonEvent&)> onEvent = onEvent_;
            onEvent(*button);
            if (!*alive) return;
        }
    }
}

}  // namespace platform::evdev
