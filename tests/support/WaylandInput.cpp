#include "tests/support/WaylandInput.h"

#include "platform/gnome/MutterRemoteDesktop.h"
#include "platform/gnome/RemoteInput.h"
#include "platform/wayland/FakeInput.h"
#include "platform/wayland/Outputs.h"
#include "platform/wayland/VirtualPointer.h"
#include "platform/wayland/WaylandConnection.h"
#include "tests/support/TestDesktop.h"

namespace e2e {
namespace {

constexpr int kBetweenClicksMs = 200;
// Linux input event codes of the mouse buttons.
constexpr uint32_t kLeftButton = 0x110;
constexpr uint32_t kRightButton = 0x111;

}  // namespace

struct WaylandInput::Devices {
    std::unique_ptr<platform::wayland::WaylandConnection> connection =
        platform::wayland::WaylandConnection::Open();
    std::unique_ptr<platform::wayland::Outputs> outputs;
    std::unique_ptr<platform::gnome::MutterRemoteDesktop> remoteDesktop;
    std::unique_ptr<platform::wayland::PointerDevice> pointer;
};

WaylandInput::WaylandInput() : devices_(std::make_unique<Devices>()) {
    if (!devices_->connection) return;
    devices_->connection->BindGlobals();
    devices_->outputs = std::make_unique<platform::wayland::Outputs>(*devices_->connection);
    // A wlroots compositor's virtual pointer, a remote desktop session of mutter's, else KWin's
    // fake input.
    if (devices_->connection->Offers("zwlr_virtual_pointer_manager_v1")) {
        devices_->pointer = std::make_unique<platform::wayland::VirtualPointer>(
            *devices_->connection, *devices_->outputs);
    } else if (devices_->connection->Offers("gtk_shell1")) {
        devices_->remoteDesktop = std::make_unique<platform::gnome::MutterRemoteDesktop>();
        platform::wayland::Outputs& outputs = *devices_->outputs;
        devices_->pointer = std::make_unique<platform::gnome::RemoteInput>(
            *devices_->remoteDesktop, [&outputs] { return outputs.Layout(); });
    } else {
        devices_->pointer =
            platform::wayland::FakeInput::Open(*devices_->connection, *devices_->outputs);
    }
    // The outputs' places come in answer to the binding.
    devices_->connection->Roundtrip();
    devices_->connection->Roundtrip();
}

WaylandInput::~WaylandInput() = default;

bool WaylandInput::Connected() const { return devices_->pointer != nullptr; }

void WaylandInput::MoveTo(Point point) {
    devices_->pointer->MoveTo(platform::Point{point.x, point.y});
    devices_->connection->Roundtrip();
}

void WaylandInput::MoveBy(int dx, int dy) {
    devices_->pointer->MoveBy(dx, dy);
    devices_->connection->Roundtrip();
}

void WaylandInput::Click(int button) {
    Button(button, true);
    Button(button, false);
    TheDesktop().WaitForMessages(kBetweenClicksMs);
}

void WaylandInput::Button(int button, bool down) {
    devices_->pointer->Button(button == 3 ? kRightButton : kLeftButton, down);
    devices_->connection->Roundtrip();
}

}  // namespace e2e
