#include "platform/wayland/CompositorDesktop.h"

#include <stdexcept>

namespace platform::wayland {
namespace {

// Each answer may bring bindings of its own (a seat's keyboard, then its keymap).
constexpr int kSettlingRoundtrips = 3;

std::unique_ptr<WaylandConnection> Connect() {
    std::unique_ptr<WaylandConnection> connection = WaylandConnection::Open();
    if (!connection) throw std::runtime_error("no Wayland compositor answers on WAYLAND_DISPLAY");
    connection->BindGlobals();
    return connection;
}

}  // namespace

CompositorDesktop::CompositorDesktop()
    : connection_(Connect()),
      outputs_(*connection_),
      notifier_(connection_->fd(), QSocketNotifier::Read) {
    notifier_.setEnabled(false);
}

void CompositorDesktop::Settle() {
    for (int i = 0; i < kSettlingRoundtrips; ++i) connection_->Roundtrip();
    QObject::connect(&notifier_, &QSocketNotifier::activated, [this] { connection_->Dispatch(); });
    notifier_.setEnabled(true);
}

}  // namespace platform::wayland
