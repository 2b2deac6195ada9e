#pragma once

#include <QObject>
#include <QPointer>
#include <QVariantMap>

class QWidget;

// One panel per user session: the first to start owns the program's name on the session bus;
// a later start asks it to come forward instead. Each question to the bus or to the name's
// owner waits sAnswerWithin at most; what cannot be checked, and an owner that does not come
// forward, is said in one line.
class SingleInstance : public QObject {
    Q_OBJECT
    Q_CLASSINFO("D-Bus Interface", "org.freedesktop.Application")
public:
    static constexpr int sAnswerWithin = 2000; // ms

    // Before the toolkit starts, which would wait for a silent bus without end: such a bus is
    // kept from it, which is said in one line. True when it was.
    static bool hideSilentSessionBus();

    // With inBusHidden, this panel runs without looking for another.
    explicit SingleInstance(bool inBusHidden) : mBusHidden(inBusHidden) {}

    enum class Start {
        Run,         // this is the one, or it could not be checked
        CameForward, // another panel of this session has come forward
        Held,        // the name's owner did not come forward
    };
    // With the toolkit running: owns the name, or asks its owner to come forward.
    Start claim();

    // The window that comes forward when another start asks.
    void setWindow(QWidget* inWindow) { mWindow = inWindow; }

public slots:
    // The desktop's way of asking a running application to come forward.
    Q_SCRIPTABLE void Activate(const QVariantMap& inPlatformData);

private:
    QPointer<QWidget> mWindow;
    bool mBusHidden = false;
};
