#pragma once

namespace platform {

// One press per hold of a switch key: the key's own repeats while it is held are no new
// presses.
class SwitchHold {
  public:
    // The key went down, or repeated; true when that is a new press.
    bool Down() {
        if (held_) return false;
        held_ = true;
        return true;
    }
    void Up() { held_ = false; }
    bool Held() const { return held_; }

  private:
    bool held_ = false;
};

}  // namespace platform
