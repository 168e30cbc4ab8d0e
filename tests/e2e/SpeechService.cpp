#include "tests/e2e/SpeechService.h"

#include <signal.h>
#include <sys/socket.h>
#include <sys/un.h>
#include <unistd.h>

#include <QFile>
#include <QStandardPaths>
#include <cstring>

#include "tests/support/TestDesktop.h"

namespace e2e {
namespace {

constexpr int kProcessEndMs = 10000;

// Whether a program listens on the local socket.
bool Accepts(const QString& socketPath) {
    const QByteArray path = QFile::encodeName(socketPath);
    sockaddr_un address{};
    address.sun_family = AF_UNIX;
    if (static_cast<std::size_t>(path.size()) >= sizeof address.sun_path) return false;
    std::memcpy(address.sun_path, path.constData(), static_cast<std::size_t>(path.size()));
    const int client = ::socket(AF_UNIX, SOCK_STREAM, 0);
    if (client < 0) return false;
    const bool accepted =
        ::connect(client, reinterpret_cast<const sockaddr*>(&address), sizeof address) == 0;
    ::close(client);
    return accepted;
}

}  // namespace

SpeechService::SpeechService() {
    service_.setProcessChannelMode(QProcess::MergedChannels);
    service_.setStandardOutputFile(QProcess::nullDevice());
    service_.start("speech-dispatcher", {"--run-single", "--timeout", "0", "--communication-method",
                                         "unix_socket", "--socket-path", Socket()});
}

SpeechService::~SpeechService() {
    Resume();
    service_.terminate();
    if (!service_.waitForFinished(kProcessEndMs)) service_.kill();
}

bool SpeechService::Installed() {
    return !QStandardPaths::findExecutable("speech-dispatcher").isEmpty();
}

bool SpeechService::WaitUntilListening() {
    return WaitFor([&] { return Accepts(Socket()); }, kSpeechDeadlineMs);
}

void SpeechService::Pause() { ::kill(static_cast<pid_t>(service_.processId()), SIGSTOP); }

void SpeechService::Resume() { ::kill(static_cast<pid_t>(service_.processId()), SIGCONT); }

bool SoundServer() {
    return qEnvironmentVariable("ORVALET_E2E_AUDIO") == "1" &&
           !QStandardPaths::findExecutable("parec").isEmpty();
}

}  // namespace e2e
