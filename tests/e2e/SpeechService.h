#pragma once

#include <QProcess>
#include <QString>
#include <QTemporaryDir>

namespace e2e {

// Speech goes through the speech service and a sound server on a machine that may be busy.
inline constexpr int kSpeechDeadlineMs = 60000;

// A speech service of the test's own, which the test can hold still: a service that does not
// answer yet is what a bridge meets in its first seconds on a loaded machine.
class SpeechService {
  public:
    SpeechService();
    ~SpeechService();
    SpeechService(const SpeechService&) = delete;
    SpeechService& operator=(const SpeechService&) = delete;

    static bool Installed();

    bool WaitUntilListening();
    void Pause();
    void Resume();
    // The address that sends a speech client to this service.
    QString Address() const { return "unix_socket:" + Socket(); }

  private:
    QString Socket() const { return folder_.filePath("speechd.sock"); }

    QTemporaryDir folder_;
    QProcess service_;
};

// Whether a sound server with the null sink runs (ORVALET_E2E_AUDIO=1) and parec can record it.
bool SoundServer();

}  // namespace e2e
