#include "tests/e2e/KeyboardLayouts.h"

#include <QProcess>

namespace e2e {
namespace {

constexpr int kSetxkbmapLimitMs = 10000;

}  // namespace

bool SetLayout(const QStringList& setxkbmapArguments) {
    QProcess setxkbmap;
    setxkbmap.setProcessChannelMode(QProcess::ForwardedChannels);
    setxkbmap.start(QStringLiteral("setxkbmap"), setxkbmapArguments);
    return setxkbmap.waitForFinished(kSetxkbmapLimitMs) &&
           setxkbmap.exitStatus() == QProcess::NormalExit && setxkbmap.exitCode() == 0;
}

SpanishLayoutAfterwards::~SpanishLayoutAfterwards() { SetLayout({QStringLiteral("es")}); }

}  // namespace e2e
