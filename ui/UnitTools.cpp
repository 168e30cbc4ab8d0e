#include "ui/UnitTools.h"

#include <cstdint>

void Espera(platform::Time& time, int ms) {
    if (ms <= 0) return;
    const uint32_t start = time.GetTickCount();
    const auto wanted = static_cast<uint32_t>(ms);
    // Unsigned arithmetic keeps the elapsed time right across the 49.7-day wrap.
    for (uint32_t elapsed = 0; elapsed < wanted; elapsed = time.GetTickCount() - start) {
        time.WaitForMessages(static_cast<int>(wanted - elapsed));
    }
}
