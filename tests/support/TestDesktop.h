#pragma once

#include <QString>
#include <functional>
#include <string>

#include "platform/Desktop.h"

namespace e2e {

// The real desktop that tests and benches drive, made at its first use once the
// QApplication exists, and ended by EndTheDesktop() before the QApplication goes.
platform::Desktop& TheDesktop();
void EndTheDesktop();

// Handles events until the condition holds or five seconds pass; returns the condition.
bool WaitFor(const std::function<bool()>& condition);
// The same for up to limitMs, for what a loaded machine can make slow.
bool WaitFor(const std::function<bool()>& condition, int limitMs);

// The title of a window in Windows-1252 as GetWindowTextA gives it.
std::string TitleOf(platform::HWND window);

// The first top-level window whose title is exactly this one, or 0.
platform::HWND FindWindowTitled(const std::string& title);

// Whether the window is mapped and so takes clicks: a window manager lists a window it
// manages a moment before it shows it, and a click in between lands on the desktop. A
// Wayland compositor lists only windows that are shown.
bool OnScreen(platform::HWND window);

// Every top-level window, topmost first, with its title and frame: what a failed click may
// have landed on.
std::string DescribeWindows();

}  // namespace e2e
