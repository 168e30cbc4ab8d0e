#include "tests/e2e/OptionsMenu.h"

#include <cmath>

#include "platform/Constants.h"
#include "tests/support/PointerClicks.h"
#include "tests/support/TestDesktop.h"

namespace e2e {
namespace {

// Where "&Opcions" sits on the menu bar, in logical pixels from the window's inner corner.
constexpr int kMenuX = 20, kMenuY = 10;
constexpr int kMenuOpensMs = 300;

void Tap(uint8_t vk) {
    TheDesktop().keybd_event(vk, 0, 0, 0);
    TheDesktop().keybd_event(vk, 0, platform::KEYEVENTF_KEYUP, 0);
}

}  // namespace

void ChooseOption(platform::HWND keyboard, int place, double scale) {
    platform::Rect outer;
    TheDesktop().GetWindowRect(keyboard, &outer);
    // The frame of the test desktop's window manager: 1 pixel at the sides, 20 above.
    const Point menu{outer.left + 1 + static_cast<int>(std::lround(kMenuX * scale)),
                     outer.top + 20 + static_cast<int>(std::lround(kMenuY * scale))};
    ClickAt(menu);
    TheDesktop().WaitForMessages(kMenuOpensMs);
    // A menu opened by the pointer has no item chosen yet.
    for (int i = 0; i <= place; ++i) Tap(platform::VK_DOWN);
    Tap(platform::VK_RETURN);
    TheDesktop().WaitForMessages(kMenuOpensMs);
}

}  // namespace e2e
