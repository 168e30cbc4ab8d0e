#pragma once

#include <QString>
#include <functional>

#include "platform/Desktop.h"

namespace e2e {

// The real desktop every test drives, created by main() once the QApplication exists.
platform::Desktop& TheDesktop();

// Handles events until the condition holds or five seconds pass; returns the condition.
bool WaitFor(const std::function<bool()>& condition);
// The same for up to limitMs, for what a loaded machine can make slow.
bool WaitFor(const std::function<bool()>& condition, int limitMs);

// The title of a window in Windows-1252 as GetWindowTextA gives it.
std::string TitleOf(platform::HWND window);

}  // namespace e2e
