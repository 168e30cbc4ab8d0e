#pragma once

#include <QByteArray>
#include <QFile>
#include <QProcess>
#include <QString>

namespace e2e {

// What reaches the desktop's null sink "nul", recorded from its monitor into a file.
class SoundMonitor {
  public:
    // At least this many loud samples make a short utterance.
    static constexpr qint64 kLeastLoudSamples = 1600;

    explicit SoundMonitor(const QString& file);
    ~SoundMonitor();
    SoundMonitor(const SoundMonitor&) = delete;
    SoundMonitor& operator=(const SoundMonitor&) = delete;

    // The sink plays silence while idle, so the first bytes say the recording runs.
    bool Recording() const;
    // Samples louder than a quiet room among everything recorded so far.
    qint64 LoudSamples();

  private:
    QFile file_;
    QProcess recorder_;
    QByteArray pending_;
    qint64 loud_ = 0;
};

}  // namespace e2e
