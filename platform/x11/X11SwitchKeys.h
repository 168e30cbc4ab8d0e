#pragma once

#include <QObject>
#include <functional>
#include <map>
#include <set>
#include <string>
#include <utility>
#include <vector>

#include "platform/SwitchKeys.h"
#include "platform/x11/KeySynthesisGuard.h"

// Xlib stays out of this header: Qt's headers must come before it wherever both are used.
union _XEvent;

namespace platform::x11 {

class X11Connection;

// Switch keys caught with passive grabs of the input extension on every keyboard device, in
// every state of Caps Lock and Num Lock. A grab on one device holds that device alone from the
// press to the release, so neither reaches any application, while the keys this keyboard types
// go through a device of their own and still reach the receiving one. A device plugged in
// while the keys are caught is grabbed as it comes.
//
// The device the keyboard types through is grabbed too, for programs that send switch keys
// through the same synthetic device: a key the keyboard types itself passes that grab, and a
// switch key still held there when the keyboard types is let go first, so that the typed keys
// are not caught with it.
class X11SwitchKeys final : public SwitchKeys, public KeySynthesisGuard {
  public:
    explicit X11SwitchKeys(X11Connection& connection);
    ~X11SwitchKeys() override;
    X11SwitchKeys(const X11SwitchKeys&) = delete;
    X11SwitchKeys& operator=(const X11SwitchKeys&) = delete;

    bool HasSwitchKey(const std::string& name) override;
    bool GrabSwitchKeys(const std::vector<std::string>& names,
                        std::function<void(const SwitchKeyEvent&)> onEvent) override;
    void UngrabSwitchKeys() override;
    bool CatchNextKey(std::function<void(const std::string&)> onKey) override;
    void StopCatchingKey() override;

    void BeforeSending(unsigned char keycode) override;
    void AfterSending(unsigned char keycode) override;

  private:
    using DeviceKey = std::pair<int, unsigned char>;

    unsigned char CodeOf(const std::string& name) const;
    std::vector<int> KeyboardDevices() const;
    int TypingDevice() const;
    // Grabs every key caught on each keyboard device not yet grabbed; false when a grab failed.
    bool GrabDevices();
    bool GrabOn(int device, unsigned char code);
    void UngrabOn(int device, unsigned char code);
    void SelectHierarchy(bool on);
    void OnEvent(const union _XEvent& event);
    void OnCorePress(const union _XEvent& event);
    void OnInputEvent(int type, const void* data);
    void OnDeviceKey(int type, const void* data);
    // Runs the call from the event loop, not from inside the connection's event dispatch,
    // which the call may enter again while it waits for the receiving window.
    void Later(std::function<void()> call);

    X11Connection& connection_;
    std::map<unsigned char, std::string> grabbed_;
    std::set<int> devices_;
    // Switch keys down, by device: a key's repeats are no new presses.
    std::set<DeviceKey> held_;
    int typingDevice_ = -1;
    std::function<void(const SwitchKeyEvent&)> onEvent_;
    std::function<void(const std::string&)> onCaught_;
    int inputOpcode_ = -1;
    // Calls made Later die with it.
    QObject context_;
};

}  // namespace platform::x11
