// The speech bridge of the suite: speaks, through the desktop's speech service, the texts
// that the keyboard hands over in the suite settings file, and answers the keyboard's
// messages: window messages on X11, its socket where the session has none. The keyboard
// starts it as "vocelia BRUNVOL"; one runs per desktop session.

#include <QApplication>
#include <QStandardPaths>
#include <iostream>
#include <memory>

#include "platform/x11/MessageReceiver.h"
#include "speech/protocol/VoceliaSession.h"
#include "speech/protocol/VoceliaSocket.h"
#include "speech/protocol/VoceliaSocketServer.h"
#include "vocelia/Bridge.h"
#include "vocelia/QtSpeech.h"
#include "vocelia/SessionLock.h"
#include "vocelia/VoceliaWindow.h"

namespace {

// One lock per display the bridge serves: the X display, or the Wayland one.
QString SessionLockOfThisDisplay(bool windowMessages) {
    const QString display = windowMessages
                                ? qEnvironmentVariable("DISPLAY")
                                : QString::fromStdString(speech::SessionOfWaylandDisplay(
                                      qEnvironmentVariable("WAYLAND_DISPLAY").toStdString()));
    return SessionLockPath(QStandardPaths::writableLocation(QStandardPaths::RuntimeLocation),
                           display);
}

// A bridge that cannot tell whether it is the only one speaks all the same: speech matters
// more than a second voice.
void ReportUntriedLock(const QString& path, const SessionLock& lock) {
    std::cerr << "vocelia: cannot lock " << path.toStdString() << " ("
              << lock.Problem().toStdString() << "); starting all the same\n";
}

// The keyboard's messages, on whichever line the session offers.
class KeyboardLine {
  public:
    KeyboardLine(bool windowMessages, QWidget& window, Bridge& bridge) {
        if (windowMessages) {
            receiver_ = std::make_unique<platform::MessageReceiver>(
                &window,
                [&](unsigned message, uintptr_t, intptr_t) { return bridge.Handle(message); });
            return;
        }
        server_ = std::make_unique<speech::VoceliaSocketServer>(
            [&](const speech::VoceliaMessage& message) { return bridge.Handle(message.message); });
        const QString path = speech::VoceliaSocketOfThisSession();
        if (!server_->Listen(path)) {
            std::cerr << "vocelia: cannot listen at " << path.toStdString() << " ("
                      << server_->Problem().toStdString() << "); the keyboard cannot reach it\n";
        }
    }

  private:
    std::unique_ptr<platform::MessageReceiver> receiver_;
    std::unique_ptr<speech::VoceliaSocketServer> server_;
};

}  // namespace

int main(int argc, char** argv) {
    QApplication app(argc, argv);
    const bool windowMessages = speech::WindowMessagesInThisSession();
    // A second bridge would speak over the first and contradict its "STATUS"; it leaves
    // before it opens a window or the speech service.
    const QString lockPath = SessionLockOfThisDisplay(windowMessages);
    const SessionLock lock(lockPath);
    if (lock.HeldElsewhere()) {
        std::cerr << "vocelia: the bridge of this session already runs (process " << lock.Holder()
                  << ")\n";
        return 0;
    }
    if (!lock.Taken()) ReportUntriedLock(lockPath, lock);

    QtSpeech speech;
    Bridge bridge(speech);
    VoceliaWindow window(speech);
    bridge.onShow = [&] { window.Present(); };
    bridge.onCloseAsked = [&] { window.close(); };
    bridge.onNotice = [&](const QString& text) { window.ShowNotice(text); };
    bridge.onText = [&](const QString& text) { window.ShowText(text); };
    // "STATUS" is settled before the window goes, so the keyboard, which waits for that, is
    // the only one writing the suite file afterwards.
    window.onClose = [&] { bridge.Close(); };
    // Started beside the keyboard, the window must not take the focus from the application
    // the user is typing into.
    window.setAttribute(Qt::WA_ShowWithoutActivating);
    window.show();
    const KeyboardLine line(windowMessages, window, bridge);
    return QApplication::exec();
}
