#pragma once

struct _XDisplay;

namespace e2e {

// A connection of the test's own to the X server, looking at the keyboard as another client
// does.
class KeymapProbe {
  public:
    KeymapProbe();
    ~KeymapProbe();
    KeymapProbe(const KeymapProbe&) = delete;
    KeymapProbe& operator=(const KeymapProbe&) = delete;

    // Makes the keyboard group (0 first) the active one, as a layout switch key does.
    void LockGroup(unsigned group);
    // Locks or unlocks Caps Lock, as the user's Caps Lock key does.
    void LockCapsLock(bool locked);
    // How many keycodes type nothing on the keymap now.
    int EmptyKeycodes();

  private:
    _XDisplay* display_;
};

}  // namespace e2e
