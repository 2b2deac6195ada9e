#pragma once

#include <QFileSystemWatcher>
#include <QObject>
#include <QString>
#include <QTimer>

namespace settings {

// Tells when the settings file may have been changed, by this program or another. The file is
// replaced whole, which ends a watch on the file itself, so its folder is watched too; changes
// that come together are told once.
class Watcher : public QObject {
    Q_OBJECT
public:
    explicit Watcher(QObject* inParent = nullptr);

    // Watches inPath, or the file and folder it names now if they exist by now (after a write that
    // may have made them). An empty path watches nothing.
    void watch(const QString& inPath);

signals:
    void changed();

private:
    QFileSystemWatcher mWatcher;
    QTimer mSettle;
    QString mPath;
};

} // namespace settings
