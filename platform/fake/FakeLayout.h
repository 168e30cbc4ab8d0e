#pragma once

#include <cstdint>

namespace platform {

// VkKeyScanA as Windows answers it for the Spanish (Spain) layout: the virtual key in the
// low byte, the shift state in the high byte (1 Shift, 6 AltGr), -1 for no key.
int16_t SpanishVkKeyScan(char character);

}  // namespace platform
