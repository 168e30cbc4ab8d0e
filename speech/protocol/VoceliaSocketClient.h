#pragma once

#include <QLocalSocket>
#include <QString>
#include <chrono>
#include <optional>

#include "speech/protocol/VoceliaSocket.h"

namespace speech {

// The keyboard's end of the bridge's socket. It blocks while it waits, as a window message
// does, but never for longer than its limit.
class VoceliaSocketClient {
  public:
    explicit VoceliaSocketClient(QString path,
                                 std::chrono::milliseconds limit = kVoceliaReplyLimit);

    // Connects afresh; false when no bridge listens there (no file, a file left by a bridge
    // that has gone, or one that does not take the connection in time).
    bool Connect();
    // Sends a message over the connection made last and waits for its result; nullopt when
    // none comes in time or the answer is not one, and the connection is then given up.
    std::optional<long> Send(const VoceliaMessage& message);

  private:
    std::optional<long> AwaitResult();

    QString path_;
    std::chrono::milliseconds limit_;
    QLocalSocket socket_;
};

}  // namespace speech
