#pragma once

#include <chrono>
#include <functional>

namespace platform::gnome {

// Handles the toolkit's events, the buses' among them, until the condition holds or the time
// is up, sleeping while none come; whether it holds.
bool WaitUntil(const std::function<bool()>& condition, std::chrono::milliseconds limit);

}  // namespace platform::gnome
