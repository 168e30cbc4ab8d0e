#include "tests/e2e/StepTimeField.h"

#include <string>

#include "platform/Constants.h"
#include "tests/support/TestDesktop.h"

namespace e2e {
namespace {

// Where the step field's digits sit on the toolbar, in logical pixels from the tree's left edge
// and above the tree.
constexpr int kStepDigitsX = 165;
constexpr int kToolbarAbove = 14;

void Tap(uint8_t vk) {
    TheDesktop().keybd_event(vk, 0, 0, 0);
    TheDesktop().keybd_event(vk, 0, platform::KEYEVENTF_KEYUP, 0);
}

uint8_t KeyFor(char character) {
    return static_cast<uint8_t>(TheDesktop().VkKeyScanA(character) & 0xFF);
}

}  // namespace

bool TypeStepTime(platform::HWND keyboard, Point treeOrigin, int tenths, double scale) {
    ClickAt({treeOrigin.x + static_cast<int>(kStepDigitsX * scale),
             treeOrigin.y - static_cast<int>(kToolbarAbove * scale)});
    if (!WaitFor([&] { return TheDesktop().GetForegroundWindow() == keyboard; })) return false;
    TheDesktop().keybd_event(platform::VK_CONTROL, 0, 0, 0);
    Tap(KeyFor('a'));
    TheDesktop().keybd_event(platform::VK_CONTROL, 0, platform::KEYEVENTF_KEYUP, 0);
    for (char digit : std::to_string(tenths)) Tap(KeyFor(digit));
    Tap(platform::VK_RETURN);
    return WaitFor([&] { return TheDesktop().GetForegroundWindow() != keyboard; });
}

}  // namespace e2e
