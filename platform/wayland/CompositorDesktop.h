#pragma once

#include <QSocketNotifier>
#include <memory>

#include "platform/qt/PartsDesktop.h"
#include "platform/wayland/Outputs.h"
#include "platform/wayland/WaylandConnection.h"

namespace platform::wayland {

// What the desktop of every Wayland compositor has: the keyboard's own connection, with its
// events handled as they come, and the outputs. A compositor's desktop adds its parts and
// calls Settle once they are made.
class CompositorDesktop : public qt::PartsDesktop {
  protected:
    // Throws std::runtime_error when no compositor answers on WAYLAND_DISPLAY.
    CompositorDesktop();
    // Waits for what the compositor tells in answer to the parts' bindings (the outputs'
    // places, the windows already open, the keymap) and from then on handles its events.
    void Settle();

    WaylandConnection& connection() { return *connection_; }
    const Outputs& outputs() const { return outputs_; }

  private:
    std::unique_ptr<WaylandConnection> connection_;
    Outputs outputs_;
    QSocketNotifier notifier_;
};

}  // namespace platform::wayland
