#include "platform/x11/SpareKeycodes.h"

#include <algorithm>
#include <array>

namespace platform::x11 {
namespace {

// Long enough for a busy client to come to the keymap's notice before its key.
constexpr int kLoanTimeMs = 2000;
// The keysym at both levels of the first group, so that Shift and Caps Lock change nothing.
constexpr int kLevels = 2;

}  // namespace

SpareKeycodes::SpareKeycodes(X11Connection& connection, KeyboardLayout& layout, Time& time)
    : connection_(connection),
      layout_(layout),
      giveBack_(time.CreateTimer([this] { GiveBack(); })) {}

SpareKeycodes::~SpareKeycodes() { GiveBack(); }

KeyCode SpareKeycodes::LentTo(const std::vector<KeySym>& keysyms) {
    ForgetLost();
    for (size_t i = 0; i < loans_.size(); ++i) {
        if (std::find(keysyms.begin(), keysyms.end(), loans_[i].keysym) != keysyms.end()) {
            const KeyCode keycode = loans_[i].keycode;
            Use(i);
            return keycode;
        }
    }
    return 0;
}

KeyCode SpareKeycodes::Lend(KeySym keysym) {
    ForgetLost();
    const std::vector<KeyCode> empty = layout_.EmptyKeycodes();
    // The keycode to lend goes first, then to the back as the one typed last.
    if (!empty.empty()) {
        loans_.insert(loans_.begin(), {empty.front(), keysym});
    } else if (!loans_.empty()) {
        loans_.front().keysym = keysym;
    } else {
        return 0;
    }
    const KeyCode keycode = loans_.front().keycode;
    Bind(keycode, keysym);
    Use(0);
    return keycode;
}

void SpareKeycodes::Use(size_t loan) {
    std::rotate(loans_.begin() + static_cast<std::ptrdiff_t>(loan),
                loans_.begin() + static_cast<std::ptrdiff_t>(loan) + 1, loans_.end());
    giveBack_->start(kLoanTimeMs);
}

void SpareKeycodes::Bind(KeyCode keycode, KeySym keysym) {
    std::array<KeySym, kLevels> keysyms;
    keysyms.fill(keysym);
    XChangeKeyboardMapping(connection_.display(), keycode, kLevels, keysyms.data(), 1);
}

void SpareKeycodes::GiveBack() {
    giveBack_->stop();
    if (loans_.empty()) return;
    layout_.CatchUp();
    ForgetLost();
    for (const Loan& loan : loans_) Bind(loan.keycode, NoSymbol);
    loans_.clear();
    XFlush(connection_.display());
}

void SpareKeycodes::ForgetLost() {
    std::erase_if(
        loans_, [this](const Loan& loan) { return layout_.KeysymOf(loan.keycode) != loan.keysym; });
}

}  // namespace platform::x11
