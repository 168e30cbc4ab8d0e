#pragma once

#include <QLocalServer>
#include <QString>
#include <functional>

#include "speech/protocol/VoceliaSocket.h"

class QLocalSocket;

namespace speech {

// The bridge's end of its socket: hands each message that comes in to a handler and answers
// with its result. Needs a running Qt event loop.
class VoceliaSocketServer {
  public:
    using Handler = std::function<long(const VoceliaMessage& message)>;

    explicit VoceliaSocketServer(Handler handler);

    // Listens at `path`. A file already there is taken for one left by a bridge that has gone:
    // only the session's one bridge, which holds the session lock, may call this.
    bool Listen(const QString& path);
    QString Problem() const { return server_.errorString(); }

  private:
    void Accept();
    void ReadLines(QLocalSocket* peer);

    Handler handler_;
    QLocalServer server_;
};

}  // namespace speech
