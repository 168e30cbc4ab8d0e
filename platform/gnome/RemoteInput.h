#pragma once

#include <cstdint>
#include <functional>

#include "platform/Types.h"
#include "platform/gnome/RemoteDesktop.h"
#include "platform/wayland/KeySink.h"
#include "platform/wayland/LayoutPointer.h"

namespace platform::gnome {

// The seat's keys and pointer through the compositor's remote desktop session. While the
// compositor has ended the session nothing is sent; the session is started again when the
// compositor comes back, and each change is told to the watcher.
class RemoteInput final : public wayland::PointerDevice, public wayland::KeySink {
  public:
    // layout: the box of the screens in logical pixels, as it is when asked. Throws
    // std::runtime_error when the compositor gives no session.
    RemoteInput(RemoteDesktop& session, std::function<Rect()> layout);

    // A session with nowhere to put the pointer absolutely: it is pushed into the bottom right
    // corner of the screen, which the compositor keeps it in, and moved from there.
    bool MoveTo(Point point) override;
    void MoveBy(int dx, int dy) override;
    void Button(uint32_t button, bool down) override;
    void Key(uint32_t code, bool down) override;

    bool Delivering() const { return delivering_; }
    // Called with false when the session has ended and with true when it runs again.
    void WatchDelivery(std::function<void(bool)> changed) { changed_ = std::move(changed); }

  private:
    void Ended();
    void ServiceBack();

    RemoteDesktop& session_;
    std::function<Rect()> layout_;
    bool delivering_ = false;
    std::function<void(bool)> changed_;
};

}  // namespace platform::gnome
