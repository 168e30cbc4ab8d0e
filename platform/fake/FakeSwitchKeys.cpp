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
    if (holds_[name].Down() && onEvent_) onEvent_({name, true, now_()});
}

void FakeSwitchKeys::Up(const std::string& name) {
    const auto hold = holds_.find(name);
    if (hold == holds_.end() || !hold->second.Held()) return;
    hold->second.Up();
    if (onEvent_) onEvent_({name, false, now_()});
}

void FakeSwitchKeys::Press(const std::string& name) {
    Down(name);
    Up(name);
}

bool FakeSwitchKeys::Grab(const std::vector<std::string>& names,
                          std::function<void(const SwitchKeyEvent&)> onEvent) {
    Ungrab();
    for (const std::string& name : names) {
        if (!Has(name) || heldElsewhere_.count(name) > 0) return false;
    }
    grabbed_ = names;
    onEvent_ = std::move(onEvent);
    return true;
}

void FakeSwitchKeys::Ungrab() {
    grabbed_.clear();
    holds_.clear();
    onEvent_ = nullptr;
}

bool FakeSwitchKeys::CatchNextKey(std::function<void(const std::string&)> onKey) {
    if (keyboardTaken_) return false;
    onCaught_ = std::move(onKey);
    return true;
}

}  // namespace platform
