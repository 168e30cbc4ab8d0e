#pragma once

namespace platform::x11 {

// Told around every key the keyboard synthesises, so that a part that catches keys on the
// device the keyboard types through can let that key pass. Keycodes are X keycodes; Xlib stays
// out of this header, as Qt's headers must come before it wherever both are used.
class KeySynthesisGuard {
  public:
    virtual ~KeySynthesisGuard() = default;
    virtual void BeforeSending(unsigned char keycode) = 0;
    virtual void AfterSending(unsigned char keycode) = 0;
};

}  // namespace platform::x11
