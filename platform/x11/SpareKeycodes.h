#pragma once

#include <memory>
#include <vector>

#include "platform/Time.h"
#include "platform/x11/KeyboardLayout.h"
#include "platform/x11/X11Connection.h"

namespace platform::x11 {

// Keycodes that the layout leaves empty, lent to the keysyms it lacks. A loan outlives its
// keystroke for a while: a client reads the changed keymap only when it comes to the change's
// notice, and a keymap already given back by then would turn the key into nothing. Loans go
// back together once no lent key has been typed for that while, and on destruction.
class SpareKeycodes {
  public:
    SpareKeycodes(X11Connection& connection, KeyboardLayout& layout, Time& time);
    ~SpareKeycodes();
    SpareKeycodes(const SpareKeycodes&) = delete;
    SpareKeycodes& operator=(const SpareKeycodes&) = delete;

    // Both look at the layout as it stands: the caller has made it catch up.
    // The keycode lent to one of the keysyms, or 0 when none is.
    KeyCode LentTo(const std::vector<KeySym>& keysyms);
    // A keycode newly lent to the keysym at every level: an empty one, or else the one lent
    // the longest ago; 0 when the keymap has none to spare.
    KeyCode Lend(KeySym keysym);

  private:
    struct Loan {
        KeyCode keycode;
        KeySym keysym;
    };

    void Use(size_t loan);
    void Bind(KeyCode keycode, KeySym keysym);
    void GiveBack();
    // Forgets loans that a new keymap has swept away: those keycodes are not ours any more.
    void ForgetLost();

    X11Connection& connection_;
    KeyboardLayout& layout_;
    std::vector<Loan> loans_;  // the one typed the longest ago first
    std::unique_ptr<TimerSource> giveBack_;
};

}  // namespace platform::x11
