#pragma once

#include <QProcess>
#include <QString>
#include <QTemporaryDir>

namespace e2e {

// A Festival server of the test's own, on Festival's port, as speech-dispatcher's Festival
// module expects it; it notes the voice of every utterance it makes.
class FestivalServer {
  public:
    FestivalServer();
    ~FestivalServer();
    FestivalServer(const FestivalServer&) = delete;
    FestivalServer& operator=(const FestivalServer&) = delete;

    static bool Installed();
    // Whether some server already answers on Festival's port, so that this one cannot.
    static bool PortTaken();

    bool WaitUntilListening();
    // The voices of the utterances made so far, one a line.
    QString VoicesSpoken() const;

  private:
    QTemporaryDir folder_;
    QProcess server_;
};

}  // namespace e2e
