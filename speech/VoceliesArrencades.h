#pragma once

#include <vector>

#include "platform/Desktop.h"

namespace speech {

// The bridge programs this keyboard has started and that may still run: so that it starts
// no second one while the first is still coming up (its window not yet there, or never
// listed by the window manager), and leaves none behind when it closes.
class VoceliesArrencades {
  public:
    explicit VoceliesArrencades(platform::Desktop& desktop) : desktop_(desktop) {}

    void Arrencar(const char* ordre);
    // Whether one of them still runs.
    bool EnMarxa();
    // Gives them up to esperaMs in all to end by themselves, then ends those still running.
    void Acabar(int esperaMs);

  private:
    platform::Desktop& desktop_;
    std::vector<platform::HANDLE> processos_;
};

}  // namespace speech
