#include "platform/wayland/FakeInput.h"

#include <wayland-client.h>

#include "fake-input-client-protocol.h"

namespace platform::wayland {
namespace {

// Keys came with the fourth version.
constexpr uint32_t kFakeInputVersion = 4;

}  // namespace

std::unique_ptr<FakeInput> FakeInput::Open(WaylandConnection& connection, const Outputs& outputs) {
    auto* device = static_cast<org_kde_kwin_fake_input*>(
        connection.Bind(&org_kde_kwin_fake_input_interface, kFakeInputVersion));
    if (device == nullptr) return nullptr;
    return std::unique_ptr<FakeInput>(new FakeInput(connection, outputs, device));
}

FakeInput::FakeInput(WaylandConnection& connection, const Outputs& outputs,
                     org_kde_kwin_fake_input* device)
    : connection_(connection), outputs_(outputs), device_(device) {
    // KWin takes no input from a device until it has said who it is and why.
    org_kde_kwin_fake_input_authenticate(device_, "Orvalet", "on-screen keyboard");
    connection_.Flush();
}

FakeInput::~FakeInput() {
    org_kde_kwin_fake_input_destroy(device_);
    connection_.Flush();
}

bool FakeInput::MoveTo(Point point) {
    const Rect layout = outputs_.Layout();
    if (point.x < layout.left || point.x >= layout.right || point.y < layout.top ||
        point.y >= layout.bottom) {
        return false;
    }
    org_kde_kwin_fake_input_pointer_motion_absolute(device_, wl_fixed_from_int(point.x),
                                                    wl_fixed_from_int(point.y));
    connection_.Flush();
    return true;
}

void FakeInput::MoveBy(int dx, int dy) {
    org_kde_kwin_fake_input_pointer_motion(device_, wl_fixed_from_int(dx), wl_fixed_from_int(dy));
    connection_.Flush();
}

void FakeInput::Button(uint32_t button, bool down) {
    org_kde_kwin_fake_input_button(
        device_, button, down ? WL_POINTER_BUTTON_STATE_PRESSED : WL_POINTER_BUTTON_STATE_RELEASED);
    connection_.Flush();
}

void FakeInput::Key(uint32_t code, bool down) {
    org_kde_kwin_fake_input_keyboard_key(
        device_, code, down ? WL_KEYBOARD_KEY_STATE_PRESSED : WL_KEYBOARD_KEY_STATE_RELEASED);
    connection_.Flush();
}

}  // namespace platform::wayland
