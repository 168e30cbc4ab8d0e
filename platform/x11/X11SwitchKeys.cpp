#include "platform/x11/X11SwitchKeys.h"

#include <X11/XKBlib.h>
#include <X11/extensions/XInput2.h>
#include <X11/extensions/XTest.h>

#include <array>
#include <utility>

#include "platform/x11/X11Connection.h"

namespace platform::x11 {
namespace {

// Num Lock is the second modifier on every layout X ships.
constexpr unsigned kNumLock = Mod2Mask;
// The states in which a grabbed key must still be caught: Caps Lock and Num Lock on or off.
constexpr std::array<unsigned, 4> kLockStates = {0, LockMask, kNumLock, LockMask | kNumLock};

// The property the server puts on the synthetic devices of the XTEST extension.
constexpr const char* kXTestDeviceProperty = "XTEST Device";

using EventBits = std::array<unsigned char, XIMaskLen(XI_LASTEVENT)>;

}  // namespace

X11SwitchKeys::X11SwitchKeys(X11Connection& connection) : connection_(connection) {
    Display* display = connection_.display();
    int event = 0;
    int error = 0;
    int major = 2;
    int minor = 2;
    // Without the input extension's second version no key is caught: the switch stays the
    // mouse button, and the user is told.
    if (!XQueryExtension(display, "XInputExtension", &inputOpcode_, &event, &error) ||
        XIQueryVersion(display, &major, &minor) != Success) {
        inputOpcode_ = -1;
    }
    connection_.AddEventHandler([this](const XEvent& event) { OnEvent(event); });
}

X11SwitchKeys::~X11SwitchKeys() {
    StopCatchingKey();
    UngrabSwitchKeys();
}

KeyCode X11SwitchKeys::CodeOf(const std::string& name) const {
    const KeySym keysym = XStringToKeysym(name.c_str());
    return keysym == NoSymbol ? 0 : XKeysymToKeycode(connection_.display(), keysym);
}

bool X11SwitchKeys::HasSwitchKey(const std::string& name) { return CodeOf(name) != 0; }

bool X11SwitchKeys::GrabSwitchKeys(const std::vector<std::string>& names,
                                   std::function<void(const SwitchKeyEvent&)> onEvent) {
    UngrabSwitchKeys();
    if (inputOpcode_ < 0) return false;
    for (const std::string& name : names) {
        const KeyCode code = CodeOf(name);
        if (code == 0) return false;
        grabbed_[code] = name;
    }
    typingDevice_ = TypingDevice();
    if (!GrabDevices()) {
        UngrabSwitchKeys();
        return false;
    }
    onEvent_ = std::move(onEvent);
    SelectHierarchy(true);
    return true;
}

std::vector<int> X11SwitchKeys::KeyboardDevices() const {
    std::vector<int> devices;
    int count = 0;
    XIDeviceInfo* info = XIQueryDevice(connection_.display(), XIAllDevices, &count);
    for (int i = 0; i < count; ++i) {
        // A floating keyboard types into no application: nothing to keep from them.
        if (info[i].use == XISlaveKeyboard && info[i].enabled) devices.push_back(info[i].deviceid);
    }
    XIFreeDeviceInfo(info);
    return devices;
}

// The synthetic keyboard of the master that this client's keys go to.
int X11SwitchKeys::TypingDevice() const {
    Display* display = connection_.display();
    int pointer = 0;
    if (!XIGetClientPointer(display, None, &pointer)) return -1;
    int count = 0;
    XIDeviceInfo* master = XIQueryDevice(display, pointer, &count);
    const int keyboard = count == 1 ? master[0].attachment : -1;
    XIFreeDeviceInfo(master);
    const Atom xtest = XInternAtom(display, kXTestDeviceProperty, True);
    if (keyboard < 0 || xtest == None) return -1;
    XIDeviceInfo* info = XIQueryDevice(display, XIAllDevices, &count);
    int typing = -1;
    for (int i = 0; i < count && typing < 0; ++i) {
        if (info[i].use != XISlaveKeyboard || info[i].attachment != keyboard) continue;
        Atom type = None;
        int format = 0;
        unsigned long items = 0;
        unsigned long after = 0;
        unsigned char* data = nullptr;
        if (XIGetProperty(display, info[i].deviceid, xtest, 0, 1, False, AnyPropertyType, &type,
                          &format, &items, &after, &data) == Success &&
            type != None) {
            typing = info[i].deviceid;
        }
        if (data != nullptr) XFree(data);
    }
    XIFreeDeviceInfo(info);
    return typing;
}

bool X11SwitchKeys::GrabDevices() {
    for (int device : KeyboardDevices()) {
        if (!devices_.insert(device).second) continue;
        for (const auto& [code, name] : grabbed_) {
            if (!GrabOn(device, code)) return false;
        }
    }
    return true;
}

bool X11SwitchKeys::GrabOn(int device, KeyCode code) {
    Display* display = connection_.display();
    EventBits bits{};
    XISetMask(bits.data(), XI_KeyPress);
    XISetMask(bits.data(), XI_KeyRelease);
    XIEventMask mask{device, static_cast<int>(bits.size()), bits.data()};
    std::array<XIGrabModifiers, kLockStates.size()> modifiers{};
    for (std::size_t i = 0; i < kLockStates.size(); ++i) {
        modifiers[i].modifiers = static_cast<int>(kLockStates[i]);
    }
    // The modifiers that another program holds with the key come back as failures.
    int failed = -1;
    const bool answered = connection_.Succeeds([&] {
        failed = XIGrabKeycode(display, device, code, connection_.root(), XIGrabModeAsync,
                               XIGrabModeAsync, False, &mask, static_cast<int>(modifiers.size()),
                               modifiers.data());
    });
    return answered && failed == 0;
}

void X11SwitchKeys::UngrabOn(int device, KeyCode code) {
    std::array<XIGrabModifiers, kLockStates.size()> modifiers{};
    for (std::size_t i = 0; i < kLockStates.size(); ++i) {
        modifiers[i].modifiers = static_cast<int>(kLockStates[i]);
    }
    // A device unplugged meanwhile took its grabs with it.
    connection_.Succeeds([&] {
        XIUngrabKeycode(connection_.display(), device, code, connection_.root(),
                        static_cast<int>(modifiers.size()), modifiers.data());
    });
}

void X11SwitchKeys::UngrabSwitchKeys() {
    for (int device : devices_) {
        for (const auto& [code, name] : grabbed_) UngrabOn(device, code);
    }
    devices_.clear();
    grabbed_.clear();
    held_.clear();
    onEvent_ = nullptr;
    SelectHierarchy(false);
}

void X11SwitchKeys::SelectHierarchy(bool on) {
    if (inputOpcode_ < 0) return;
    EventBits bits{};
    if (on) XISetMask(bits.data(), XI_HierarchyChanged);
    XIEventMask events{XIAllDevices, static_cast<int>(bits.size()), bits.data()};
    XISelectEvents(connection_.display(), connection_.root(), &events, 1);
    XFlush(connection_.display());
}

void X11SwitchKeys::BeforeSending(KeyCode keycode) {
    if (grabbed_.empty() || !devices_.contains(typingDevice_)) return;
    // A switch key held on the typing device holds that device's grab: the keys typed now would
    // come back here. Its release, sent first, lets the grab go; the server drops the sending
    // program's own release of a key that is up already. The release comes back here as the
    // switch's.
    for (const auto& [device, code] : held_) {
        if (device == typingDevice_) {
            XTestFakeKeyEvent(connection_.display(), code, False, CurrentTime);
        }
    }
    if (grabbed_.contains(keycode)) UngrabOn(typingDevice_, keycode);
}

void X11SwitchKeys::AfterSending(KeyCode keycode) {
    if (grabbed_.contains(keycode) && devices_.contains(typingDevice_)) {
        GrabOn(typingDevice_, keycode);
    }
}

bool X11SwitchKeys::CatchNextKey(std::function<void(const std::string&)> onKey) {
    Display* display = connection_.display();
    if (XGrabKeyboard(display, connection_.root(), False, GrabModeAsync, GrabModeAsync,
                      CurrentTime) != GrabSuccess) {
        return false;
    }
    XFlush(display);
    onCaught_ = std::move(onKey);
    return true;
}

void X11SwitchKeys::StopCatchingKey() {
    if (!onCaught_) return;
    onCaught_ = nullptr;
    XUngrabKeyboard(connection_.display(), CurrentTime);
    XFlush(connection_.display());
}

void X11SwitchKeys::OnEvent(const XEvent& event) {
    if (event.type == KeyPress) {
        OnCorePress(event);
    } else if (event.type == GenericEvent && event.xcookie.extension == inputOpcode_) {
        XGenericEventCookie cookie = event.xcookie;
        Display* display = connection_.display();
        if (!XGetEventData(display, &cookie)) return;
        OnInputEvent(cookie.evtype, cookie.data);
        XFreeEventData(display, &cookie);
    }
}

void X11SwitchKeys::OnCorePress(const XEvent& event) {
    if (!onCaught_) return;
    const XKeyEvent& key = event.xkey;
    Display* display = connection_.display();
    const KeySym keysym = XkbKeycodeToKeysym(display, static_cast<KeyCode>(key.keycode), 0, 0);
    const char* name = XKeysymToString(keysym);
    const auto onCaught = std::exchange(onCaught_, nullptr);
    XUngrabKeyboard(display, key.time);
    XFlush(display);
    if (name != nullptr) Later([onCaught, caught = std::string(name)] { onCaught(caught); });
}

void X11SwitchKeys::OnInputEvent(int type, const void* data) {
    if (type == XI_KeyPress || type == XI_KeyRelease) {
        OnDeviceKey(type, data);
        return;
    }
    if (type != XI_HierarchyChanged) return;
    const auto* change = static_cast<const XIHierarchyEvent*>(data);
    for (int i = 0; i < change->num_info; ++i) {
        const XIHierarchyInfo& device = change->info[i];
        if ((device.flags & (XISlaveRemoved | XIDeviceDisabled | XISlaveDetached)) == 0) continue;
        devices_.erase(device.deviceid);
        std::erase_if(held_, [&](const DeviceKey& key) { return key.first == device.deviceid; });
    }
    // A switch interface plugged in now is grabbed as it comes, once the dispatch is over.
    if ((change->flags & (XISlaveAdded | XIDeviceEnabled | XISlaveAttached)) != 0) {
        Later([this] {
            if (!grabbed_.empty()) GrabDevices();
        });
    }
}

void X11SwitchKeys::OnDeviceKey(int type, const void* data) {
    const auto* key = static_cast<const XIDeviceEvent*>(data);
    const auto grabbed = grabbed_.find(static_cast<KeyCode>(key->detail));
    if (grabbed == grabbed_.end()) return;
    const DeviceKey held{key->sourceid, static_cast<KeyCode>(key->detail)};
    const bool down = type == XI_KeyPress;
    if (down ? (key->flags & XIKeyRepeat) != 0 || !held_.insert(held).second
             : held_.erase(held) == 0) {
        return;
    }
    Later([this, event = SwitchKeyEvent{grabbed->second, down, static_cast<uint32_t>(key->time)}] {
        // The keys may have been let go since.
        if (onEvent_) onEvent_(event);
    });
}

void X11SwitchKeys::Later(std::function<void()> call) {
    QMetaObject::invokeMethod(&context_, std::move(call), Qt::QueuedConnection);
}

}  // namespace platform::x11
