#include "tests/e2e/SoundMonitor.h"

#include <QStringList>
#include <cstdlib>

namespace e2e {
namespace {

// The monitor, recorded as 16-bit mono at 16 kHz; a voice is well above this level.
constexpr int kLoudLevel = 1000;
constexpr qsizetype kBytesPerSample = 2;
const QStringList kMonitorArguments = {"-d",           "nul.monitor", "--raw", "--format=s16le",
                                       "--rate=16000", "--channels=1"};

}  // namespace

SoundMonitor::SoundMonitor(const QString& file) : file_(file) {
    recorder_.setStandardOutputFile(file);
    recorder_.start("parec", kMonitorArguments);
}

SoundMonitor::~SoundMonitor() {
    recorder_.terminate();
    recorder_.waitForFinished();
}

bool SoundMonitor::Recording() const { return file_.exists() && file_.size() > 0; }

qint64 SoundMonitor::LoudSamples() {
    if (!file_.isOpen() && !file_.open(QIODevice::ReadOnly)) return loud_;
    pending_ += file_.read(file_.size() - file_.pos());
    const qsizetype whole = pending_.size() - pending_.size() % kBytesPerSample;
    for (qsizetype i = 0; i < whole; i += kBytesPerSample) {
        const auto sample = static_cast<qint16>(static_cast<quint8>(pending_[i]) |
                                                static_cast<quint8>(pending_[i + 1]) << 8);
        if (std::abs(sample) > kLoudLevel) ++loud_;
    }
    pending_.remove(0, whole);
    return loud_;
}

}  // namespace e2e
