#pragma once

#include "hosting/InstanceLock.h"

#include <QDeadlineTimer>
#include <QObject>
#include <QPointer>
#include <QVariantMap>

#include <optional>

class QWidget;

// One panel per user session: the first to start owns the program's name on the session bus;
// a later start asks it to come forward instead, handing on the activation token it was started
// with, which the window system wants before it brings a window forward. The whole start on the
// bus (the connection, its registration, the name, the owner's answer) takes sAnswerWithin at
// most; what cannot be checked, and an owner that does not come forward, is said in one line.
// Bus or none, the one that runs also holds an InstanceLock, which keeps out a second panel that
// finds no bus or another one.
class SingleInstance : public QObject {
    Q_OBJECT
    Q_CLASSINFO("D-Bus Interface", "org.freedesktop.Application")
public:
    static constexpr int sAnswerWithin = 2000; // ms

    // Before the toolkit starts, which would wait for a silent bus without end: such a bus is
    // kept from it. The line that says so when it was, else empty.
    static QString hideSilentSessionBus(const QDeadlineTimer& inDeadline);

    // What a start hands on when it asks another panel to come forward: its activation
    // token, as the desktop's applications hand it on. To be read before the toolkit starts,
    // which takes the token from the environment for a window of its own.
    static QVariantMap platformData();

    // With inBusHidden (hideSilentSessionBus's line), this panel does not look on the bus.
    // inDeadline ends the start's time on the bus.
    SingleInstance(QString inBusHidden, QVariantMap inPlatformData, QDeadlineTimer inDeadline)
        : mBusNote(std::move(inBusHidden)), mPlatformData(std::move(inPlatformData)),
          mDeadline(inDeadline) {}
    // Gives the name back to the bus, when this panel holds it.
    ~SingleInstance() override;

    enum class Start {
        Run,         // this is the one, or it could not be checked
        CameForward, // another panel of this session has come forward
        Held,        // the name's owner did not come forward, or another panel holds the lock
    };
    // With the toolkit running: owns the name and the lock, or asks the name's owner to come
    // forward.
    Start claim();

    // The window that comes forward when another start asks.
    void setWindow(QWidget* inWindow) { mWindow = inWindow; }

public slots:
    // The desktop's way of asking a running application to come forward.
    Q_SCRIPTABLE void Activate(const QVariantMap& inPlatformData);

private:
    Start claimOnBus();
    Start takeLock();

    QPointer<QWidget> mWindow;
    QString mBusNote; // why the bus could not tell; empty when it could
    QVariantMap mPlatformData;
    QDeadlineTimer mDeadline;
    bool mOwnsName = false;
    std::optional<InstanceLock> mLock;
};
