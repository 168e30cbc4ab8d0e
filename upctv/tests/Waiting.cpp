#include "upctv/tests/Waiting.h"

#include <thread>

namespace {

constexpr std::chrono::milliseconds kCheckEvery{10};

}  // namespace

bool WaitUntil(const std::function<bool()>& condition, std::chrono::milliseconds limit) {
    auto end = std::chrono::steady_clock::now() + limit;
    while (!condition()) {
        if (std::chrono::steady_clock::now() > end) return false;
        std::this_thread::sleep_for(kCheckEvery);
    }
    return true;
}
