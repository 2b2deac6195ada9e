#include "settings/SettingsLock.h"

#include "host/SystemLog.h"
#include "settings/Settings.h"

#include <QFile>
#include <QFileInfo>
#include <QThread>

#include <cerrno>

#include <fcntl.h>
#include <sys/file.h>
#include <sys/stat.h>
#include <unistd.h>

namespace settings {

bool makePrivateFolder(const QString& inFolder) {
    const QFileInfo folder(inFolder);
    if (folder.isDir()) {
        return true;
    }
    const QString parent = folder.absolutePath();
    if (parent == folder.absoluteFilePath() || !makePrivateFolder(parent)) {
        return false;
    }
    return ::mkdir(QFile::encodeName(folder.absoluteFilePath()).constData(), 0700) == 0 ||
           errno == EEXIST;
}

QString SettingsLock::lockPath(const QString& inSettingsPath) {
    return inSettingsPath + ".lock";
}

SettingsLock::SettingsLock(const QString& inSettingsPath, Wait inWait) {
    if (inSettingsPath.isEmpty() || !makePrivateFolder(QFileInfo(inSettingsPath).absolutePath())) {
        return;
    }
    mFile = ::open(QFile::encodeName(lockPath(inSettingsPath)).constData(),
                   O_RDWR | O_CREAT | O_CLOEXEC | O_NOFOLLOW | O_NONBLOCK, 0600);
    const QDeadlineTimer deadline(inWait == Wait::UpToBound ? sWaitMs : 0);
    while (mFile >= 0 && ::flock(mFile, LOCK_EX | LOCK_NB) != 0) {
        mTaken = errno == EWOULDBLOCK;
        if ((errno != EWOULDBLOCK && errno != EINTR) || deadline.hasExpired()) {
            ::close(mFile);
            mFile = -1;
        } else {
            QThread::msleep(2);
        }
    }
    mTaken = mTaken && mFile < 0;
}

SettingsLock::~SettingsLock() {
    if (mFile >= 0) {
        ::close(mFile); // which lets go of the lock
    }
}

LockedTurns::LockedTurns(QObject* inParent) : QObject(inParent) {
    mRetry.setSingleShot(true);
    mRetry.setInterval(sRetryMs);
    connect(&mRetry, &QTimer::timeout, this, [this] { tryWaiting(SettingsLock::Wait::Once); });
}

bool LockedTurns::run(std::function<void()> inWork) {
    if (mWaiting.empty()) {
        mBound.setRemainingTime(SettingsLock::sWaitMs);
    }
    mWaiting.push_back(std::move(inWork));
    tryWaiting(SettingsLock::Wait::Once);
    return mWaiting.empty();
}

void LockedTurns::finish() {
    mRetry.stop();
    if (!mWaiting.empty()) {
        tryWaiting(SettingsLock::Wait::UpToBound);
    }
}

void LockedTurns::tryWaiting(SettingsLock::Wait inWait) {
    const QString path = prefPath();
    const SettingsLock lock(path, inWait);
    if (lock.taken() && inWait == SettingsLock::Wait::Once && !mBound.hasExpired()) {
        mRetry.start();
        return;
    }
    if (lock.taken() && !mNoted) {
        host::systemLog("Settings lock %s is held by another program: saving without it",
                        qUtf8Printable(SettingsLock::lockPath(path)));
    }
    mNoted = lock.taken();
    // Work may add work: it runs in a later turn.
    std::deque<std::function<void()>> turn;
    turn.swap(mWaiting);
    for (const auto& work : turn) {
        work();
    }
}

} // namespace settings
