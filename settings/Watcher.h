#pragma once

#include <QFileSystemWatcher>
#include <QHash>
#include <QObject>
#include <QString>
#include <QTimer>

#include <utility>

namespace settings {

// Tells when the settings file may have been changed, by this program or another. It watches the
// file itself, for writes in place; its folder, for the file replaced whole; and the folder's
// parent, for the folder removed or moved away. While the folder is missing, the nearest folder
// on the way to it that exists stands in for it, so that it is seen when it is made again. The
// file is watched where a link leads only when that is a regular file: never a device. Changes
// that come together are told once, and never later than sLongestWaitMs after the first.
class Watcher : public QObject {
    Q_OBJECT
public:
    explicit Watcher(QObject* inParent = nullptr);

    // Watches inPath, and what it names now (after a write that may have made the folder, say).
    // An empty path watches nothing.
    void watch(const QString& inPath);

    static constexpr int sLongestWaitMs = 500;

signals:
    void changed();

private:
    using Identity = std::pair<quint64, quint64>; // device and inode
    bool arm();
    void noteChange();
    void settled();

    QFileSystemWatcher mWatcher;
    QTimer mSettle;
    QTimer mLongest;
    QString mPath;
    // What each watched path named when its watch was set: a path that names another file or
    // folder since (replaced, moved away, made again) is watched anew.
    QHash<QString, Identity> mNamed;
};

} // namespace settings
