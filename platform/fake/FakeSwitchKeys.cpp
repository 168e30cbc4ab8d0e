#include "platform/fake/FakeSwitchKeys.h"

#include <algorithm>

namespace platform {

void FakeSwitchKeys::Down(const std::string& name) {
    if (onCaught_) {
        auto onCaught = std::move(onCaught_);
        onCaught_ = nullptr;
        onCaught(name);
        return;
    }
    if (std::find(grabbed_.begin(), grabbed_.end(), name) == grabbed_.end()) return;
    if (holds_[name].Down() && onPress_) onPress_(name);
}

void FakeSwitchKeys::Up(const std::string& name) { holds_[name].Up(); }

void FakeSwitchKeys::Press(const std::string& name) {
    Down(name);
    Up(name);
}

bool FakeSwitchKeys::Grab(const std::vector<std::string>& names,
                          std::function<void(const std::string&)> onPress) {
    Ungrab();
    for (const std::string& name : names) {
        if (!Has(name) || heldElsewhere_.count(name) > 0) return false;
    }
    grabbed_ = names;
    onPress_ = std::move(onPress);
    return true;
}

void FakeSwitchKeys::Ungrab() {
    grabbed_.clear();
    holds_.clear();
    onPress_ = nullptr;
}

bool FakeSwitchKeys::CatchNextKey(std::function<void(const std::string&)> onKey) {
    if (keyboardTaken_) return false;
    onCaught_ = std::move(onKey);
    return true;
}

}  // namespace platform
