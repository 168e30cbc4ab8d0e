#include "tests/e2e/FestivalServer.h"

#include <QFile>
#include <QStandardPaths>
#include <QTcpSocket>

#include "tests/e2e/SpeechService.h"
#include "tests/support/TestDesktop.h"

namespace e2e {
namespace {

constexpr quint16 kFestivalPort = 1314;
constexpr int kConnectMs = 1000;
constexpr int kProcessEndMs = 10000;

// Festival's synthesis of every utterance, wrapped so that it first writes the voice's name.
constexpr const char* kNoteVoices = R"((set! orvalet_test_utt_synth utt.synth)
(define (utt.synth utt)
  (let ((log (fopen "%1" "a")))
    (format log "%s\n" current-voice)
    (fclose log))
  (orvalet_test_utt_synth utt))
)";

bool Answers() {
    QTcpSocket socket;
    socket.connectToHost(QStringLiteral("127.0.0.1"), kFestivalPort);
    return socket.waitForConnected(kConnectMs);
}

}  // namespace

FestivalServer::FestivalServer() {
    const QString script = folder_.filePath("note-voices.scm");
    QFile file(script);
    if (file.open(QIODevice::WriteOnly)) {
        file.write(QString::fromLatin1(kNoteVoices).arg(folder_.filePath("voices.log")).toUtf8());
    }
    file.close();
    server_.setProcessChannelMode(QProcess::MergedChannels);
    server_.setStandardOutputFile(QProcess::nullDevice());
    server_.start("festival", {script, "--server"});
}

FestivalServer::~FestivalServer() {
    server_.terminate();
    if (!server_.waitForFinished(kProcessEndMs)) server_.kill();
}

bool FestivalServer::Installed() { return !QStandardPaths::findExecutable("festival").isEmpty(); }

bool FestivalServer::PortTaken() { return Answers(); }

bool FestivalServer::WaitUntilListening() { return WaitFor(Answers, kSpeechDeadlineMs); }

QString FestivalServer::VoicesSpoken() const {
    QFile file(folder_.filePath("voices.log"));
    if (!file.open(QIODevice::ReadOnly)) return {};
    return QString::fromUtf8(file.readAll());
}

}  // namespace e2e
