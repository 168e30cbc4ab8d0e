#pragma once

#include <vector>

#include "platform/Desktop.h"

namespace speech {

// The bridge programs this keyboard has started and that may still run: so that it starts
// no second one while the first is still coming up (its window not yet there, or never
// listed by the window manager), and leaves none behind when it closes.
class StartedBridges {
  public:
    explicit StartedBridges(platform::Desktop& desktop) : desktop_(desktop) {}

    // Starts one with this command line.
    void Start(const char* command);
    // Whether one of them still runs.
    bool Running();
    // Gives them up to waitMs in all to end by themselves, then ends those still running.
    void End(int waitMs);

  private:
    platform::Desktop& desktop_;
    std::vector<platform::HANDLE> processes_;
};

}  // namespace speech
