// The speech bridge of the suite: speaks, through the desktop's speech service, the texts
// that the keyboard hands over in the suite settings file, and answers the keyboard's window
// messages. The keyboard starts it as "vocelia BRUNVOL".

#include <QApplication>

#include "platform/x11/MessageReceiver.h"
#include "vocelia/Bridge.h"
#include "vocelia/QtSpeech.h"
#include "vocelia/VoceliaWindow.h"

int main(int argc, char** argv) {
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
