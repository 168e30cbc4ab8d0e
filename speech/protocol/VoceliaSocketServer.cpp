#include "speech/protocol/VoceliaSocketServer.h"

#include <QLocalSocket>
#include <string>
#include <utility>

namespace speech {

VoceliaSocketServer::VoceliaSocketServer(Handler handler) : handler_(std::move(handler)) {
    QObject::connect(&server_, &QLocalServer::newConnection, &server_, [this] { Accept(); });
}

bool VoceliaSocketServer::Listen(const QString& path) {
    QLocalServer::removeServer(path);
    // The user's own programs only: the bridge speaks what it is given.
    server_.setSocketOptions(QLocalServer::UserAccessOption);
    return server_.listen(path);
}

void VoceliaSocketServer::Accept() {
    while (QLocalSocket* peer = server_.nextPendingConnection()) {
        QObject::connect(peer, &QLocalSocket::disconnected, peer, &QObject::deleteLater);
        QObject::connect(peer, &QLocalSocket::readyRead, peer, [this, peer] { ReadLines(peer); });
        ReadLines(peer);
    }
}

void VoceliaSocketServer::ReadLines(QLocalSocket* peer) {
    while (peer->canReadLine()) {
        QByteArray line = peer->readLine(kLongestLine + 1);
        const bool whole = line.endsWith('\n');
        line.chop(1);
        const auto message = whole ? ParseMessageLine(std::string_view(
                                         line.constData(), static_cast<std::size_t>(line.size())))
                                   : std::nullopt;
        if (!message) {
            peer->abort();
            return;
        }
        const std::string result = ResultLine(handler_(*message));
        peer->write(result.data(), static_cast<qint64>(result.size()));
        peer->flush();
        // The handler may have closed the bridge, and the connection with it.
        if (peer->state() != QLocalSocket::ConnectedState) return;
    }
    if (peer->bytesAvailable() > static_cast<qint64>(kLongestLine)) peer->abort();
}

}  // namespace speech
