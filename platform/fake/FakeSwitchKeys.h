#pragma once

#include <functional>
#include <map>
#include <set>
#include <string>
#include <vector>

#include "platform/SwitchHold.h"
#include "platform/SwitchKeys.h"

namespace platform {

// The switch keys of the fake desktop: the test says which keys the keyboard has and presses
// them; a press reaches the program while its key is grabbed or while a key is being caught.
class FakeSwitchKeys {
  public:
    // --- scripting -------------------------------------------------------------------
    // The keys the keyboard has, by keysym name (none at start).
    void SetKeyboard(std::set<std::string> names) { keyboard_ = std::move(names); }
    // Another program holds these keys: grabbing them fails.
    void SetHeldElsewhere(std::set<std::string> names) { heldElsewhere_ = std::move(names); }
    // The clock that times the key events.
    void SetClock(std::function<uint32_t()> now) { now_ = std::move(now); }
    // Another program holds the whole keyboard (a menu still closing): no key can be caught.
    void SetKeyboardTaken(bool taken) { keyboardTaken_ = taken; }
    // The key goes down; down again while held is the key's own repeat.
    void Down(const std::string& name);
    void Up(const std::string& name);
    // A press and a release.
    void Press(const std::string& name);

    // --- inspection ------------------------------------------------------------------
    // The keys grabbed now, in the order they were given.
    const std::vector<std::string>& Grabbed() const { return grabbed_; }
    bool Catching() const { return static_cast<bool>(onCaught_); }

    // --- SwitchKeys ------------------------------------------------------------------
    bool Has(const std::string& name) const { return keyboard_.count(name) > 0; }
    bool Grab(const std::vector<std::string>& names,
              std::function<void(const SwitchKeyEvent&)> onEvent);
    void Ungrab();
    bool CatchNextKey(std::function<void(const std::string&)> onKey);
    void StopCatching() { onCaught_ = nullptr; }

  private:
    std::set<std::string> keyboard_;
    std::set<std::string> heldElsewhere_;
    bool keyboardTaken_ = false;
    std::vector<std::string> grabbed_;
    std::map<std::string, SwitchHold> holds_;
    std::function<void(const SwitchKeyEvent&)> onEvent_;
    std::function<uint32_t()> now_ = [] { return 0u; };
    std::function<void(const std::string&)> onCaught_;
};

}  // namespace platform
