#include "speech/protocol/VoceliaSession.h"

#include <QFile>
#include <QGuiApplication>
#include <QStandardPaths>

#include "speech/protocol/VoceliaSocket.h"

namespace speech {

bool WindowMessagesInThisSession() {
    return WindowMessagesUnder(QGuiApplication::platformName().toStdString());
}

QString VoceliaSocketOfThisSession() {
    const QByteArray runtime =
        QFile::encodeName(QStandardPaths::writableLocation(QStandardPaths::RuntimeLocation));
    const QByteArray display = qgetenv("WAYLAND_DISPLAY");
    return QFile::decodeName(
        VoceliaSocketPath(runtime.toStdString(), display.toStdString()).c_str());
}

}  // namespace speech
