#include "platform/gnome/GnomeDesktop.h"

#include <linux/input-event-codes.h>

#include <QGuiApplication>
#include <QWindow>

#include "platform/gnome/AccessibleWindows.h"
#include "platform/gnome/AtspiListener.h"
#include "platform/gnome/EventLoopWait.h"
#include "platform/gnome/FoundPointer.h"
#include "platform/gnome/KeyGate.h"
#include "platform/gnome/MutterRemoteDesktop.h"
#include "platform/gnome/OwnFocus.h"
#include "platform/gnome/RemoteInput.h"
#include "platform/wayland/CompositorDesktop.h"
#include "platform/wayland/LayoutKeys.h"
#include "platform/wayland/SeatKeyboard.h"

namespace platform {
namespace {

class GnomeDesktop final : public wayland::CompositorDesktop {
  public:
    GnomeDesktop()
        : ownFocus_([this] { windows_.OwnActivated(); }),
          input_(remoteDesktop_, [this] { return outputs().Layout(); }),
          windows_(gnome::WindowsSupport{
              .ownActive = [this] { return ownFocus_.Active(); },
              .ownHandle = [this](QWidget* widget) { return ownFocus_.HandleOf(widget); },
              .switchBack = [this](int places) { SwitchBack(places); },
              .waitUntil = gnome::WaitUntil,
              .screen = [this] { return outputs().First(); },
              .refreshTitle =
                  [this](const gnome::AccessibleRef& window) { listener_.RefreshName(window); },
          }),
          listener_(windows_),
          gate_(input_, [this] { return windows_.ReceivingWindowKnown(); }),
          seatKeyboard_(connection()),
          keys_(seatKeyboard_, gate_),
          pointer_(
              input_, [this] { return outputs().Layout(); }, gnome::WaitUntil) {
        Settle();
        QObject::connect(qGuiApp, &QGuiApplication::focusWindowChanged, [this](QWindow* window) {
            if (window != nullptr) windows_.OwnActivated();
        });
    }

    void WatchKeyDelivery(std::function<void(bool)> delivering) override {
        input_.WatchDelivery(std::move(delivering));
    }

  protected:
    WindowSystem& windowSystem() override { return windows_; }
    KeySender& keySender() override { return keys_; }
    Pointer& pointer() override { return pointer_; }

  private:
    // Alt + Escape: GNOME cycles through the windows from the last activated, one place for
    // each Escape, and gives the focus to the one reached when Alt comes up.
    void SwitchBack(int places) {
        input_.Key(KEY_LEFTALT, true);
        for (int i = 0; i < places; ++i) {
            input_.Key(KEY_ESC, true);
            input_.Key(KEY_ESC, false);
        }
        input_.Key(KEY_LEFTALT, false);
    }

    gnome::MutterRemoteDesktop remoteDesktop_;
    gnome::OwnFocus ownFocus_;
    gnome::RemoteInput input_;
    gnome::AccessibleWindows windows_;
    gnome::AtspiListener listener_;
    gnome::KeyGate gate_;
    wayland::SeatKeyboard seatKeyboard_;
    wayland::LayoutKeys keys_;
    gnome::FoundPointer pointer_;
};

}  // namespace

std::unique_ptr<Desktop> CreateGnomeDesktop() { return std::make_unique<GnomeDesktop>(); }

bool MutterLetsIn() { return gnome::MutterRemoteDesktop::LetsIn(); }

}  // namespace platform
