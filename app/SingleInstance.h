#pragma once

#include <QObject>
#include <QPointer>
#include <QVariantMap>

class QWidget;

// One panel per user session: the first to start owns the program's name on the session bus;
// a later start asks it to come forward instead. Without a session bus every start runs.
class SingleInstance : public QObject {
    Q_OBJECT
    Q_CLASSINFO("D-Bus Interface", "org.freedesktop.Application")
public:
    SingleInstance();

    // True when another panel of this session owns the name; it has been asked to come forward.
    bool anotherIsRunning() const { return mAnother; }
    // The window that comes forward when another start asks.
    void setWindow(QWidget* inWindow) { mWindow = inWindow; }

public slots:
    // The desktop's way of asking a running application to come forward.
    Q_SCRIPTABLE void Activate(const QVariantMap& inPlatformData);

private:
    QPointer<QWidget> mWindow;
    bool mAnother = false;
};
