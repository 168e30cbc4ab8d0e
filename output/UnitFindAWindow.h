#pragma once

#include <string>

#include "platform/Types.h"
#include "platform/Windows.h"

// What FindWindowByTitle looks for, and what it found.
struct TFindWindowStruct {
    std::string TitlePart;  // the title must contain it; empty matches nothing
    std::string ClassPart;  // when not empty, the class name must contain it
    platform::HWND FoundWindow = 0;
};

// The first top-level window, topmost first, whose title contains the text byte for byte;
// 0 when none does.
platform::HWND FindWindowByTitle(platform::Windows& windows, const std::string& title);

// Enumeration callback: records the window and stops (false) when it matches.
bool FindWindowEnumProc(platform::Windows& windows, platform::HWND window,
                        TFindWindowStruct* param);
