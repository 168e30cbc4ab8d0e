#pragma once

#include <chrono>
#include <functional>

// Checks `condition` every 10 ms until it holds or `limit` has passed; whether it held.
bool WaitUntil(const std::function<bool()>& condition, std::chrono::milliseconds limit);
