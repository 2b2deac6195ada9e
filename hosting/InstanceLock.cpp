#include "hosting/InstanceLock.h"

#include "host/SystemLog.h"
#include "settings/Settings.h"

#include <QDir>
#include <QFile>
#include <QStandardPaths>

#include <cerrno>
#include <cstring>

#include <fcntl.h>
#include <sys/file.h>
#include <unistd.h>

namespace {

// For the log, whose lines read the same in every language.
QString systemError() {
    return host::loggedSystemMessage(errno);
}

} // namespace

InstanceLock::InstanceLock() {
    // The toolkit's: "$XDG_RUNTIME_DIR", else a folder of the user's own in the temporary
    // folder, made private.
    const QString folder = QStandardPaths::writableLocation(QStandardPaths::RuntimeLocation);
    if (folder.isEmpty()) {
        mProblem = "no runtime folder of this user's alone";
        return;
    }
    mPath = QDir(folder).filePath(QString(settings::sBundleIdentifier) + ".lock");
    mFile = ::open(QFile::encodeName(mPath).constData(), O_RDWR | O_CREAT | O_CLOEXEC | O_NOFOLLOW,
                   0600);
    if (mFile < 0) {
        mProblem = mPath + ": " + systemError();
        return;
    }
    int result = 0;
    while ((result = ::flock(mFile, LOCK_EX | LOCK_NB)) != 0 && errno == EINTR) {
    }
    if (result == 0) {
        mState = State::Held;
        const QByteArray pid = QByteArray::number(::getpid()) + '\n';
        if (::ftruncate(mFile, 0) != 0 || ::pwrite(mFile, pid.constData(), pid.size(), 0) < 0) {
            // The lock holds all the same; only a second start's line lacks the process.
        }
        return;
    }
    if (errno != EWOULDBLOCK) {
        mProblem = mPath + ": " + systemError();
        return;
    }
    mState = State::Taken;
    char text[32] = {};
    if (::pread(mFile, text, sizeof text - 1, 0) > 0) {
        mHolder = QByteArray(text).trimmed().toLongLong();
    }
}

InstanceLock::~InstanceLock() {
    if (mFile >= 0) {
        ::close(mFile); // which lets go of the lock
    }
}
