#pragma once

#include <QFile>
#include <QString>

// Where the bridge of one desktop session keeps its lock: in the user's runtime folder, one
// lock per X display, so that another display of the same user has a bridge of its own.
QString SessionLockPath(const QString& runtimeFolder, const QString& display);

// The session's bridge lock, held for as long as this object lives. It is a kernel lock on
// the file, not the file itself: it goes with the process however that ends, so a bridge
// that crashed never holds the session, and the file is never removed (removing it could
// let two bridges hold two files of one name).
class SessionLock {
  public:
    explicit SessionLock(const QString& path);

    // This bridge is the session's one.
    bool Taken() const { return taken_; }
    // Another bridge is; Taken() and HeldElsewhere() are both false when the lock could not be
    // tried at all.
    bool HeldElsewhere() const { return heldElsewhere_; }
    // The process that holds the lock, as it wrote itself there; 0 when unknown.
    qint64 Holder() const { return holder_; }
    // Why the lock could not be tried.
    QString Problem() const { return problem_; }

  private:
    QFile file_;
    QString problem_;
    bool taken_ = false;
    bool heldElsewhere_ = false;
    qint64 holder_ = 0;
};
