#include "platform/gnome/KeyGate.h"

namespace platform::gnome {

void KeyGate::Key(uint32_t code, bool down) {
    if (down) {
        if (!open_()) return;
        down_.insert(code);
    } else if (down_.erase(code) == 0) {
        return;
    }
    sink_.Key(code, down);
}

}  // namespace platform::gnome
