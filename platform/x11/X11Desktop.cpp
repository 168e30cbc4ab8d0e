#include "platform/x11/X11Desktop.h"

#include <QSocketNotifier>

#include "platform/qt/PartsDesktop.h"
#include "platform/x11/KeyboardLayout.h"
#include "platform/x11/X11Connection.h"
#include "platform/x11/X11Keyboard.h"
#include "platform/x11/X11Messages.h"
#include "platform/x11/X11Pointer.h"
#include "platform/x11/X11SwitchKeys.h"
#include "platform/x11/X11Windows.h"

namespace platform {
namespace {

class X11Desktop final : public qt::PartsDesktop {
  public:
    X11Desktop()
        : windows_(connection_),
          layout_(connection_),
          keyboard_(connection_, layout_, *this),
          pointer_(connection_),
          messages_(connection_),
          switchKeys_(connection_),
          notifier_(ConnectionNumber(connection_.display()), QSocketNotifier::Read) {
        // Events the server sends while nothing waits for them are handled as they come.
        QObject::connect(&notifier_, &QSocketNotifier::activated,
                         [this] { connection_.DispatchPending(); });
        // A switch key's grab must let the keys typed here pass.
        keyboard_.SetGuard(&switchKeys_);
    }
    ~X11Desktop() override { keyboard_.SetGuard(nullptr); }

  protected:
    WindowSystem& windowSystem() override { return windows_; }
    KeySender& keySender() override { return keyboard_; }
    Pointer& pointer() override { return pointer_; }
    SwitchKeys& switchKeys() override { return switchKeys_; }
    WindowMessages* windowMessages() override { return &messages_; }

  private:
    x11::X11Connection connection_;
    x11::X11Windows windows_;
    x11::KeyboardLayout layout_;
    x11::X11Keyboard keyboard_;
    x11::X11Pointer pointer_;
    x11::X11Messages messages_;
    x11::X11SwitchKeys switchKeys_;
    QSocketNotifier notifier_;
};

}  // namespace

std::unique_ptr<Desktop> CreateX11Desktop() { return std::make_unique<X11Desktop>(); }

}  // namespace platform
