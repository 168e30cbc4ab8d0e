#include "platform/wayland/WaylandDesktop.h"

#include <cstdlib>

#include "platform/wayland/CompositorDesktop.h"
#include "platform/wayland/CompositorWindows.h"
#include "platform/wayland/LayoutPointer.h"
#include "platform/wayland/OwnWindows.h"
#include "platform/wayland/Toplevels.h"
#include "platform/wayland/VirtualKeyboard.h"
#include "platform/wayland/VirtualPointer.h"

namespace platform {
namespace {

class WaylandDesktop final : public wayland::CompositorDesktop {
  public:
    WaylandDesktop()
        : toplevels_(connection()),
          ownWindows_(toplevels_),
          windows_(connection(), toplevels_, ownWindows_, outputs()),
          keyboard_(connection()),
          device_(connection(), outputs()),
          pointer_(device_, ownWindows_, outputs()) {
        Settle();
    }

  protected:
    WindowSystem& windowSystem() override { return windows_; }
    KeySender& keySender() override { return keyboard_; }
    Pointer& pointer() override { return pointer_; }

  private:
    wayland::Toplevels toplevels_;
    wayland::OwnWindows ownWindows_;
    wayland::CompositorWindows windows_;
    wayland::VirtualKeyboard keyboard_;
    wayland::VirtualPointer device_;
    wayland::LayoutPointer pointer_;
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
