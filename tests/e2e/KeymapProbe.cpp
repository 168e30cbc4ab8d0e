#include "tests/e2e/KeymapProbe.h"

#include <X11/XKBlib.h>

namespace e2e {

KeymapProbe::KeymapProbe() : display_(XOpenDisplay(nullptr)) {}

KeymapProbe::~KeymapProbe() {
    if (display_ != nullptr) XCloseDisplay(display_);
}

void KeymapProbe::LockGroup(unsigned group) {
    XkbLockGroup(display_, XkbUseCoreKbd, group);
    XSync(display_, False);
}

void KeymapProbe::LockCapsLock(bool locked) {
    XkbLockModifiers(display_, XkbUseCoreKbd, LockMask, locked ? LockMask : 0);
    XSync(display_, False);
}

int KeymapProbe::EmptyKeycodes() {
    XkbDescPtr keymap = XkbGetMap(display_, XkbKeySymsMask, XkbUseCoreKbd);
    if (keymap == nullptr) return 0;
    int empty = 0;
    for (int keycode = keymap->min_key_code; keycode <= keymap->max_key_code; ++keycode) {
        if (XkbKeyNumGroups(keymap, keycode) == 0) ++empty;
    }
    XkbFreeKeyboard(keymap, XkbAllComponentsMask, True);
    return empty;
}

}  // namespace e2e
