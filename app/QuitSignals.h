#pragma once

#include <QObject>

#include <memory>

// SIGTERM, SIGINT and SIGHUP, waited for on a thread of their own. Once the event loop runs, each
// becomes a Qt signal on the main thread, so that the program leaves the normal way, saving the
// settings; before that, and after this object is gone, one ends the program at once, as if it
// were not caught (nothing is unsaved then, and a start-up that hangs must not need SIGKILL).
class QuitSignals : public QObject {
    Q_OBJECT
public:
    // Blocks the signals; call first thing in main, so that every thread started later (Qt's,
    // the report writer's) inherits the mask and the waiting thread alone receives them.
    static void block();

    // Starts waiting for the signals.
    QuitSignals();
    ~QuitSignals() override;

    // From the next pass of the event loop on, the signals ask it to quit.
    void handleInEventLoop();

signals:
    void quitRequested(int inSignal);

private:
    struct Shared;
    std::shared_ptr<Shared> mShared; // with the waiting thread, which outlives this object
};
