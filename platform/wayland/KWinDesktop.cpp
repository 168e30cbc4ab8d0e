#include "platform/wayland/KWinDesktop.h"

#include <stdexcept>

#include "platform/wayland/CompositorDesktop.h"
#include "platform/wayland/CompositorWindows.h"
#include "platform/wayland/FakeInput.h"
#include "platform/wayland/LayoutKeys.h"
#include "platform/wayland/LayoutPointer.h"
#include "platform/wayland/OwnWindows.h"
#include "platform/wayland/PlasmaWindows.h"
#include "platform/wayland/SeatKeyboard.h"

namespace platform {
namespace {

template <typename Part>
std::unique_ptr<Part> Required(std::unique_ptr<Part> part, const char* interface) {
    if (!part) throw std::runtime_error(std::string("KWin does not offer ") + interface);
    return part;
}

class KWinDesktop final : public wayland::CompositorDesktop {
  public:
    KWinDesktop()
        : toplevels_(Required(wayland::PlasmaWindows::Open(connection()),
                              "org_kde_plasma_window_management")),
          ownWindows_(*toplevels_),
          windows_(connection(), *toplevels_, ownWindows_, outputs()),
          input_(Required(wayland::FakeInput::Open(connection(), outputs()),
                          "org_kde_kwin_fake_input")),
          seatKeyboard_(connection()),
          keys_(seatKeyboard_, *input_),
          pointer_(*input_, ownWindows_, outputs()) {
        Settle();
    }

  protected:
    WindowSystem& windowSystem() override { return windows_; }
    KeySender& keySender() override { return keys_; }
    Pointer& pointer() override { return pointer_; }

  private:
    std::unique_ptr<wayland::PlasmaWindows> toplevels_;
    wayland::OwnWindows ownWindows_;
    wayland::CompositorWindows windows_;
    std::unique_ptr<wayland::FakeInput> input_;
    wayland::SeatKeyboard seatKeyboard_;
    wayland::LayoutKeys keys_;
    wayland::LayoutPointer pointer_;
};

}  // namespace

std::unique_ptr<Desktop> CreateKWinDesktop() { return std::make_unique<KWinDesktop>(); }

}  // namespace platform
