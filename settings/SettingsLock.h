#pragma once

#include <QDeadlineTimer>
#include <QObject>
#include <QString>
#include <QTimer>

#include <deque>
#include <functional>

namespace settings {

// Makes inFolder and the folders on the way to it that are missing, each for the user alone, as
// configuration folders are; false when it is not there afterwards.
bool makePrivateFolder(const QString& inFolder);

// An advisory lock on a file of the program's own beside the settings file ("<file>.lock"), held
// for the object's life, so that the saves of the programs sharing the file (the panel, its
// menus, usb-tavro) come one after another, each reading what the one before wrote. A program
// stuck holding it holds up no save for long: after sWaitMs a save goes on without it. Where the
// lock file cannot be made (a read-only folder), there is no lock and nothing to wait for.
class SettingsLock {
public:
    enum class Wait {
        Once,      // one try
        UpToBound, // tries until sWaitMs have passed
    };
    SettingsLock(const QString& inSettingsPath, Wait inWait);
    ~SettingsLock();
    SettingsLock(const SettingsLock&) = delete;
    SettingsLock& operator=(const SettingsLock&) = delete;

    // Another process holds it: this one does not.
    bool taken() const { return mTaken; }

    static QString lockPath(const QString& inSettingsPath);
    static constexpr int sWaitMs = 500;

private:
    int mFile = -1;
    bool mTaken = false;
};

// Work on the settings file done in turn under the lock, without waiting for it on the calling
// thread (a window's): work finds the lock free and runs at once, or waits on the event loop,
// tried every few milliseconds, until it is free or its bound has passed since the work came;
// then it runs without it, and that is said once in the log until the lock is had again.
class LockedTurns : public QObject {
    Q_OBJECT
public:
    explicit LockedTurns(QObject* inParent = nullptr);

    // Runs inWork under the lock of the settings file at the path it is given then, after the
    // work that waits already. True when it ran before this returned.
    bool run(std::function<void()> inWork);
    // Runs the work that waits now, waiting for the lock up to its bound: the program is ending.
    void finish();
    bool waiting() const { return !mWaiting.empty(); }

    static constexpr int sRetryMs = 5;

private:
    void tryWaiting(SettingsLock::Wait inWait);

    std::deque<std::function<void()>> mWaiting;
    QDeadlineTimer mBound; // for the first work waiting
    QTimer mRetry;
    bool mNoted = false; // going on without the lock has been said
};

} // namespace settings
