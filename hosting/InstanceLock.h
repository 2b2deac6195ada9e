#pragma once

#include <QString>

// One panel per user where no session bus can tell (a remote X session, a bare window manager):
// an exclusive lock on a file in the user's runtime folder, held for the object's life and let go
// by the system when the process ends, however it ends. The file holds the holder's process id.
class InstanceLock {
public:
    // Tries to take the lock at once.
    InstanceLock();
    ~InstanceLock();
    InstanceLock(const InstanceLock&) = delete;
    InstanceLock& operator=(const InstanceLock&) = delete;

    enum class State {
        Held,   // this process holds it
        Taken,  // another process does
        Failed, // no lock could be made; see problem()
    };
    State state() const { return mState; }
    const QString& path() const { return mPath; }
    // The process that holds it when it is taken, as its file says; 0 when unknown.
    qint64 holder() const { return mHolder; }
    const QString& problem() const { return mProblem; }

private:
    State mState = State::Failed;
    QString mPath;
    QString mProblem;
    qint64 mHolder = 0;
    int mFile = -1;
};
