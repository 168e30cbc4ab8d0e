#pragma once

#include <cstdint>

// The desktop constants the keyboard was designed with, named once.
namespace platform {

// GetSystemMetrics indexes.
inline constexpr int SM_CXSCREEN = 0;
inline constexpr int SM_CYSCREEN = 1;
inline constexpr int SM_CXMAXIMIZED = 61;
inline constexpr int SM_CYMAXIMIZED = 62;

// SetWindowPos.
inline constexpr uintptr_t HWND_TOP = 0;
inline constexpr unsigned SWP_NOSIZE = 0x0001;
inline constexpr unsigned SWP_NOMOVE = 0x0002;
inline constexpr unsigned SWP_NOZORDER = 0x0004;
inline constexpr unsigned SWP_SHOWWINDOW = 0x0040;

// Show states.
inline constexpr int SW_SHOWNORMAL = 1;

// keybd_event flags.
inline constexpr unsigned KEYEVENTF_KEYUP = 0x0002;

// Virtual-key codes.
inline constexpr uint8_t VK_BACK = 8;
inline constexpr uint8_t VK_TAB = 9;
inline constexpr uint8_t VK_RETURN = 13;
inline constexpr uint8_t VK_SHIFT = 16;
inline constexpr uint8_t VK_CONTROL = 17;
inline constexpr uint8_t VK_MENU = 18;
inline constexpr uint8_t VK_PRIOR = 33;
inline constexpr uint8_t VK_NEXT = 34;
inline constexpr uint8_t VK_END = 35;
inline constexpr uint8_t VK_HOME = 36;
inline constexpr uint8_t VK_LEFT = 37;
inline constexpr uint8_t VK_UP = 38;
inline constexpr uint8_t VK_RIGHT = 39;
inline constexpr uint8_t VK_DOWN = 40;
inline constexpr uint8_t VK_INSERT = 45;
inline constexpr uint8_t VK_DELETE = 46;

// Window messages.
inline constexpr unsigned WM_CLOSE = 0x0010;
inline constexpr unsigned WM_USER = 0x0400;

// MessageBoxA types and results.
inline constexpr unsigned MB_OK = 0x00;
inline constexpr unsigned MB_YESNO = 0x04;
inline constexpr unsigned MB_ICONERROR = 0x10;
inline constexpr unsigned MB_ICONQUESTION = 0x20;
inline constexpr unsigned MB_ICONWARNING = 0x30;
inline constexpr unsigned MB_ICONEXCLAMATION = MB_ICONWARNING;
inline constexpr unsigned MB_ICONINFORMATION = 0x40;
inline constexpr int IDOK = 1;
inline constexpr int IDYES = 6;
inline constexpr int IDNO = 7;

// Clipboard formats.
inline constexpr unsigned CF_TEXT = 1;

}  // namespace platform
