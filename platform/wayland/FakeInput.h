#pragma once

#include <cstdint>
#include <memory>

#include "platform/wayland/KeySink.h"
#include "platform/wayland/LayoutPointer.h"
#include "platform/wayland/Outputs.h"
#include "platform/wayland/WaylandConnection.h"

struct org_kde_kwin_fake_input;

namespace platform::wayland {

// KWin's fake input device: the pointer moved and clicked, and keys pressed on the seat's own
// keyboard, whose layout is the user's.
class FakeInput final : public PointerDevice, public KeySink {
  public:
    // Null when the compositor does not offer the device to this program.
    static std::unique_ptr<FakeInput> Open(WaylandConnection& connection, const Outputs& outputs);
    ~FakeInput() override;
    FakeInput(const FakeInput&) = delete;
    FakeInput& operator=(const FakeInput&) = delete;

    bool MoveTo(Point point) override;
    void MoveBy(int dx, int dy) override;
    void Button(uint32_t button, bool down) override;
    void Key(uint32_t code, bool down) override;

  private:
    FakeInput(WaylandConnection& connection, const Outputs& outputs,
              org_kde_kwin_fake_input* device);

    WaylandConnection& connection_;
    const Outputs& outputs_;
    org_kde_kwin_fake_input* device_ = nullptr;
};

}  // namespace platform::wayland
