#include "platform/wayland/WaylandDesktop.h"

#include <QSocketNotifier>
#include <cstdlib>
#include <stdexcept>

#include "platform/qt/PartsDesktop.h"
#include "platform/wayland/CompositorWindows.h"
#include "platform/wayland/LayoutPointer.h"
#include "platform/wayland/Outputs.h"
#include "platform/wayland/OwnWindows.h"
#include "platform/wayland/Toplevels.h"
#include "platform/wayland/VirtualKeyboard.h"
#include "platform/wayland/VirtualPointer.h"
#include "platform/wayland/WaylandConnection.h"

namespace platform {
namespace {

std::unique_ptr<wayland::WaylandConnection> Connect() {
    std::unique_ptr<wayland::WaylandConnection> connection = wayland::WaylandConnection::Open();
    if (!connection) throw std::runtime_error("no Wayland compositor answers on WAYLAND_DISPLAY");
    connection->BindGlobals();
    return connection;
}

class WaylandDesktop final : public qt::PartsDesktop {
  public:
    WaylandDesktop()
        : connection_(Connect()),
          outputs_(*connection_),
          toplevels_(*connection_),
          ownWindows_(toplevels_),
          windows_(*connection_, toplevels_, ownWindows_, outputs_),
          keyboard_(*connection_),
          device_(*connection_, outputs_),
          pointer_(device_, ownWindows_, outputs_),
          notifier_(connection_->fd(), QSocketNotifier::Read) {
        // The outputs' places and the windows already open, before any operation asks.
        connection_->Roundtrip();
        connection_->Roundtrip();
        QObject::connect(&notifier_, &QSocketNotifier::activated,
                         [this] { connection_->Dispatch(); });
    }

  protected:
    WindowSystem& windowSystem() override { return windows_; }
    KeySender& keySender() override { return keyboard_; }
    Pointer& pointer() override { return pointer_; }

  private:
    std::unique_ptr<wayland::WaylandConnection> connection_;
    wayland::Outputs outputs_;
    wayland::Toplevels toplevels_;
    wayland::OwnWindows ownWindows_;
    wayland::CompositorWindows windows_;
    wayland::VirtualKeyboard keyboard_;
    wayland::VirtualPointer device_;
    wayland::LayoutPointer pointer_;
    QSocketNotifier notifier_;
};

}  // namespace

std::optional<std::vector<std::string>> OfferedWaylandGlobals() {
    const char* display = std::getenv("WAYLAND_DISPLAY");
    // Without the variable the library would try a default display of its own.
    if (display == nullptr || *display == '\0') return std::nullopt;
    const std::unique_ptr<wayland::WaylandConnection> connection =
        wayland::WaylandConnection::Open();
    if (!connection) return std::nullopt;
    return connection->Offered();
}

std::unique_ptr<Desktop> CreateWaylandDesktop() { return std::make_unique<WaylandDesktop>(); }

}  // namespace platform
