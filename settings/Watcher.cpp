#include "settings/Watcher.h"

#include "settings/Settings.h"

#include <QFile>
#include <QFileInfo>

#include <algorithm>
#include <optional>

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

namespace settings {

namespace {

struct Target {
    QString path;
    std::pair<quint64, quint64> identity;
};

// What inPath names, following links, when it is of inType and this process may read it (and so
// watch it).
std::optional<Target> target(const QString& inPath, mode_t inType) {
    const QByteArray path = QFile::encodeName(inPath);
    struct stat info {};
    if (::stat(path.constData(), &info) != 0 || (info.st_mode & S_IFMT) != inType ||
        ::faccessat(AT_FDCWD, path.constData(), R_OK, AT_EACCESS) != 0) {
        return std::nullopt;
    }
    return Target{inPath, {info.st_dev, info.st_ino}};
}

// The nearest folder on the way to inPath's that exists, its parent, and the file when it is in
// that folder and a regular file: in that order, the outer first, so that what changes while
// they are being watched is seen.
QList<Target> targets(const QString& inPath) {
    QList<Target> found;
    QString folder = QFileInfo(inPath).absolutePath();
    std::optional<Target> nearest;
    while (!(nearest = target(folder, S_IFDIR))) {
        const QString up = QFileInfo(folder).absolutePath();
        if (up == folder) {
            return found;
        }
        folder = up;
    }
    if (const QString up = QFileInfo(folder).absolutePath(); up != folder) {
        if (const auto parent = target(up, S_IFDIR)) {
            found << *parent;
        }
    }
    found << *nearest;
    if (folder == QFileInfo(inPath).absolutePath()) {
        if (const auto file = target(inPath, S_IFREG)) {
            found << *file;
        }
    }
    return found;
}

} // namespace

Watcher::Watcher(QObject* inParent) : QObject(inParent) {
    mSettle.setSingleShot(true);
    mSettle.setInterval(sSettleMs);
    mLongest.setSingleShot(true);
    mLongest.setInterval(sLongestWaitMs);
    connect(&mSettle, &QTimer::timeout, this, &Watcher::settled);
    connect(&mLongest, &QTimer::timeout, this, &Watcher::settled);
    connect(&mWatcher, &QFileSystemWatcher::fileChanged, this, &Watcher::noteChange);
    connect(&mWatcher, &QFileSystemWatcher::directoryChanged, this, &Watcher::noteChange);
}

void Watcher::watch(const QString& inPath) {
    if (inPath != mPath) {
        if (const QStringList watched = mWatcher.files() + mWatcher.directories();
            !watched.isEmpty()) {
            mWatcher.removePaths(watched);
        }
    }
    mPath = inPath;
    // Once more after each change of what is watched: what changed while it was being set is
    // watched too.
    for (int round = 0; round < 4 && arm(); ++round) {
    }
}

// Watches what the path names now, and lets go of what it named before; true when anything
// changed.
bool Watcher::arm() {
    const QList<Target> wanted = mPath.isEmpty() ? QList<Target>() : targets(mPath);
    const auto isWanted = [&](const QString& inPath) {
        return std::any_of(wanted.begin(), wanted.end(), [&](const Target& inTarget) {
            return inTarget.path == inPath && inTarget.identity == mNamed.value(inPath);
        });
    };
    QStringList stale;
    for (const QString& path : mWatcher.files() + mWatcher.directories()) {
        if (!isWanted(path)) {
            stale << path;
        }
    }
    if (!stale.isEmpty()) {
        mWatcher.removePaths(stale);
    }
    bool armed = !stale.isEmpty();
    const QStringList watched = mWatcher.files() + mWatcher.directories();
    for (const Target& each : wanted) {
        if (!watched.contains(each.path) && mWatcher.addPath(each.path)) {
            mNamed.insert(each.path, each.identity);
            armed = true;
        }
    }
    return armed;
}

// A steady stream of changes, another program saving its own files in the folder every few
// milliseconds, say, is told of every sLongestWaitMs.
void Watcher::noteChange() {
    mSettle.start();
    if (!mLongest.isActive()) {
        mLongest.start();
    }
}

void Watcher::settled() {
    mSettle.stop();
    mLongest.stop();
    watch(mPath); // a replaced file, a folder made again, are new ones to watch
    emit changed();
}

} // namespace settings
