#include "vocelia/SessionLock.h"

#include <sys/file.h>

#include <QCoreApplication>
#include <QRegularExpression>
#include <cerrno>
#include <cstring>

QString SessionLockPath(const QString& runtimeFolder, const QString& display) {
    // ":0" and ":0.0" are one display: the screen after the dot does not count.
    QString name = display;
    const qsizetype colon = name.lastIndexOf(u':');
    const qsizetype dot = name.indexOf(u'.', colon + 1);
    if (colon >= 0 && dot > colon) name.truncate(dot);
    name.replace(QRegularExpression(QStringLiteral("[^A-Za-z0-9._-]")), QStringLiteral("_"));
    return runtimeFolder + QStringLiteral("/vocelia-") + name + QStringLiteral(".lock");
}

SessionLock::SessionLock(const QString& path) : file_(path) {
    // Qt opens files close-on-exec, so the speech service the bridge may spawn does not keep
    // the lock after the bridge has gone.
    if (!file_.open(QIODevice::ReadWrite)) {
        problem_ = file_.errorString();
        return;
    }
    if (::flock(file_.handle(), LOCK_EX | LOCK_NB) != 0) {
        if (errno != EWOULDBLOCK) {
            problem_ = QString::fromLocal8Bit(std::strerror(errno));
            return;
        }
        heldElsewhere_ = true;
        holder_ = file_.readAll().trimmed().toLongLong();
        return;
    }
    taken_ = true;
    holder_ = QCoreApplication::applicationPid();
    file_.resize(0);
    file_.write(QByteArray::number(holder_));
    file_.flush();
}
