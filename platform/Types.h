#pragma once

#include <cstdint>

namespace platform {

// A top-level window of the desktop; 0 means none.
using HWND = std::uintptr_t;
// A loaded library; values below 32 mean that loading failed.
using HMODULE = std::uintptr_t;

struct Rect {
    int left = 0;
    int top = 0;
    int right = 0;
    int bottom = 0;
};

struct Point {
    int x = 0;
    int y = 0;
};

}  // namespace platform
