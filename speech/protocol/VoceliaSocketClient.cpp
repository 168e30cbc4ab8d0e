#include "speech/protocol/VoceliaSocketClient.h"

#include <QDeadlineTimer>
#include <string>
#include <utility>

namespace speech {

VoceliaSocketClient::VoceliaSocketClient(QString path, std::chrono::milliseconds limit)
    : path_(std::move(path)), limit_(limit) {}

bool VoceliaSocketClient::Connect() {
    socket_.abort();
    socket_.connectToServer(path_);
    return socket_.waitForConnected(static_cast<int>(limit_.count()));
}

std::optional<long> VoceliaSocketClient::Send(const VoceliaMessage& message) {
    if (socket_.state() != QLocalSocket::ConnectedState) return std::nullopt;
    const std::string line = MessageLine(message);
    socket_.write(line.data(), static_cast<qint64>(line.size()));
    const std::optional<long> result = AwaitResult();
    // A late answer must not be taken for the answer to the next message.
    if (!result) socket_.abort();
    return result;
}

std::optional<long> VoceliaSocketClient::AwaitResult() {
    const QDeadlineTimer deadline(limit_);
    if (!socket_.waitForBytesWritten(static_cast<int>(deadline.remainingTime()))) {
        if (socket_.bytesToWrite() > 0) return std::nullopt;
    }
    while (!socket_.canReadLine()) {
        if (socket_.bytesAvailable() > static_cast<qint64>(kLongestLine)) return std::nullopt;
        if (deadline.hasExpired() ||
            !socket_.waitForReadyRead(static_cast<int>(deadline.remainingTime()))) {
            return std::nullopt;
        }
    }
    QByteArray line = socket_.readLine(kLongestLine + 1);
    line.chop(1);
    return ParseResultLine(
        std::string_view(line.constData(), static_cast<std::size_t>(line.size())));
}

}  // namespace speech
