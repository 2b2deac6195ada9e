#include "settings/Watcher.h"

#include <QDir>
#include <QFileInfo>

namespace settings {

namespace {

// Long enough for a writer's temporary file and rename to be one change.
constexpr int sSettleMs = 100;

} // namespace

Watcher::Watcher(QObject* inParent) : QObject(inParent) {
    mSettle.setSingleShot(true);
    mSettle.setInterval(sSettleMs);
    connect(&mSettle, &QTimer::timeout, this, [this] {
        watch(mPath); // a replaced file is a new one to watch
        emit changed();
    });
    connect(&mWatcher, &QFileSystemWatcher::fileChanged, &mSettle, qOverload<>(&QTimer::start));
    connect(&mWatcher, &QFileSystemWatcher::directoryChanged, &mSettle,
            qOverload<>(&QTimer::start));
}

void Watcher::watch(const QString& inPath) {
    if (inPath != mPath) {
        if (const QStringList watched = mWatcher.files() + mWatcher.directories();
            !watched.isEmpty()) {
            mWatcher.removePaths(watched);
        }
    }
    mPath = inPath;
    if (mPath.isEmpty()) {
        return;
    }
    const QFileInfo file(mPath);
    if (mWatcher.directories().isEmpty() && file.dir().exists()) {
        mWatcher.addPath(file.absolutePath());
    }
    if (mWatcher.files().isEmpty() && file.exists()) {
        mWatcher.addPath(mPath);
    }
}

} // namespace settings
