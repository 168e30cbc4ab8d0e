#include "platform/qt/ExecutableDirectory.h"

#include <QCoreApplication>
#include <QFileInfo>

namespace platform::qt {

QString ExecutableDirectory() {
    if (QCoreApplication::instance() != nullptr) return QCoreApplication::applicationDirPath();
    return QFileInfo(QStringLiteral("/proc/self/exe")).canonicalFilePath().section(u'/', 0, -2);
}

}  // namespace platform::qt
