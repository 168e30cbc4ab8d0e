#include "tests/e2e/SwitchInterface.h"

#include <X11/Xlib.h>
#include <X11/extensions/XInput.h>
#include <X11/extensions/XInput2.h>
#include <X11/extensions/XTest.h>

#include <string_view>

namespace e2e {
namespace {

// The master's name; the server names its devices after it.
constexpr const char* kMaster = "e2e switch interface";
constexpr std::string_view kMasterKeyboard = "e2e switch interface keyboard";
constexpr std::string_view kSyntheticKeyboard = "e2e switch interface XTEST keyboard";

}  // namespace

struct SwitchInterface::Device {
    Display* display = XOpenDisplay(nullptr);
    int masterKeyboard = -1;
    XDevice* keys = nullptr;

    ~Device() {
        if (display == nullptr) return;
        if (keys != nullptr) XCloseDevice(display, keys);
        if (masterKeyboard >= 0) {
            XIRemoveMasterInfo remove{XIRemoveMaster, masterKeyboard, XIFloating, 0, 0};
            XIChangeHierarchy(display, reinterpret_cast<XIAnyHierarchyChangeInfo*>(&remove), 1);
        }
        XCloseDisplay(display);
    }
};

SwitchInterface::SwitchInterface(platform::HWND focus) : device_(std::make_unique<Device>()) {
    Display* display = device_->display;
    int major = 2;
    int minor = 2;
    if (display == nullptr || XIQueryVersion(display, &major, &minor) != Success) return;
    XIAddMasterInfo add{XIAddMaster, const_cast<char*>(kMaster), True, True};
    XIChangeHierarchy(display, reinterpret_cast<XIAnyHierarchyChangeInfo*>(&add), 1);
    XSync(display, False);
    int count = 0;
    int synthetic = -1;
    XIDeviceInfo* info = XIQueryDevice(display, XIAllDevices, &count);
    for (int i = 0; i < count; ++i) {
        if (kMasterKeyboard == info[i].name) device_->masterKeyboard = info[i].deviceid;
        if (kSyntheticKeyboard == info[i].name) synthetic = info[i].deviceid;
    }
    XIFreeDeviceInfo(info);
    if (device_->masterKeyboard < 0 || synthetic < 0) return;
    XISetFocus(display, device_->masterKeyboard, focus, CurrentTime);
    device_->keys = XOpenDevice(display, static_cast<XID>(synthetic));
    XSync(display, False);
}

SwitchInterface::~SwitchInterface() = default;

bool SwitchInterface::Plugged() const { return device_->keys != nullptr; }

void SwitchInterface::Key(const std::string& name, bool down) {
    Display* display = device_->display;
    const KeyCode code = XKeysymToKeycode(display, XStringToKeysym(name.c_str()));
    XTestFakeDeviceKeyEvent(display, device_->keys, code, down ? True : False, nullptr, 0,
                            CurrentTime);
    XFlush(display);
}

}  // namespace e2e
