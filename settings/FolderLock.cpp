#include "settings/FolderLock.h"

#include <QDeadlineTimer>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QThread>

#include <cerrno>

#include <fcntl.h>
#include <sys/file.h>
#include <unistd.h>

namespace settings {

FolderLock::FolderLock(const QString& inSettingsPath) {
    if (inSettingsPath.isEmpty()) {
        return;
    }
    const QString folder = QFileInfo(inSettingsPath).absolutePath();
    QDir().mkpath(folder);
    mFolder = ::open(QFile::encodeName(folder).constData(), O_RDONLY | O_DIRECTORY | O_CLOEXEC);
    const QDeadlineTimer deadline(sWaitMs);
    while (mFolder >= 0 && ::flock(mFolder, LOCK_EX | LOCK_NB) != 0) {
        if ((errno != EWOULDBLOCK && errno != EINTR) || deadline.hasExpired()) {
            ::close(mFolder);
            mFolder = -1;
        } else {
            QThread::msleep(2);
        }
    }
}

FolderLock::~FolderLock() {
    if (mFolder >= 0) {
        ::close(mFolder); // which lets go of the lock
    }
}

} // namespace settings
