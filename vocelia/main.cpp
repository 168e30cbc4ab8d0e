// The speech bridge of the suite: speaks, through the desktop's speech service, the texts
// that the keyboard hands over in the suite settings file, and answers the keyboard's window
// messages. The keyboard starts it as "vocelia BRUNVOL"; one runs per desktop session.

#include <QApplication>
#include <QStandardPaths>
#include <iostream>

#include "platform/x11/MessageReceiver.h"
#include "vocelia/Bridge.h"
#include "vocelia/QtSpeech.h"
#include "vocelia/SessionLock.h"
#include "vocelia/VoceliaWindow.h"

namespace {

QString SessionLockOfThisDisplay() {
    return SessionLockPath(QStandardPaths::writableLocation(QStandardPaths::RuntimeLocation),
                           qEnvironmentVariable("DISPLAY"));
}

// A bridge that cannot tell whether it is the only one speaks all the same: speech matters
// more than a second voice.
void ReportUntriedLock(const QString& path, const SessionLock& lock) {
    std::cerr << "vocelia: cannot lock " << path.toStdString() << " ("
              << lock.Problem().toStdString() << "); starting all the same\n";
}

}  // namespace

int main(int argc, char** argv) {
    // A second bridge would speak over the first and contradict its "STATUS"; it leaves
    // before it opens a window or the speech service.
    const QString lockPath = SessionLockOfThisDisplay();
    const SessionLock lock(lockPath);
    if (lock.HeldElsewhere()) {
        std::cerr << "vocelia: the bridge of this session already runs (process " << lock.Holder()
                  << ")\n";
        return 0;
    }
    if (!lock.Taken()) ReportUntriedLock(lockPath, lock);

    QApplication app(argc, argv);
    QtSpeech speech;
    Bridge bridge(speech);
    VoceliaWindow window(speech);
    bridge.onShow = [&] { window.Present(); };
    bridge.onNotice = [&](const QString& text) { window.ShowNotice(text); };
    bridge.onText = [&](const QString& text) { window.ShowText(text); };
    // "STATUS" is settled before the window goes, so the keyboard, which waits for that, is
    // the only one writing the suite file afterwards.
    window.onClose = [&] { bridge.Close(); };
    // Started beside the keyboard, the window must not take the focus from the application
    // the user is typing into.
    window.setAttribute(Qt::WA_ShowWithoutActivating);
    window.show();
    platform::MessageReceiver receiver(
        &window, [&](unsigned message, uintptr_t, intptr_t) { return bridge.Handle(message); });
    return QApplication::exec();
}
