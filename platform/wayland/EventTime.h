#pragma once

#include <chrono>
#include <cstdint>

namespace platform::wayland {

// The millisecond time stamp of a synthesised input event: one clock for every request of a
// virtual device, whose base the protocols leave free.
inline uint32_t EventTimeMs() {
    return static_cast<uint32_t>(std::chrono::duration_cast<std::chrono::milliseconds>(
                                     std::chrono::steady_clock::now().time_since_epoch())
                                     .count());
}

}  // namespace platform::wayland
