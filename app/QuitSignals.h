#pragma once

#include <QObject>

#include <memory>

class QSocketNotifier;

// Turns SIGTERM, SIGINT and SIGHUP into a Qt signal on the main thread, through a signalfd, so
// that the program leaves the normal way (saving the settings) instead of dying on the spot.
// Construct it before any thread starts: the signals are blocked for the whole process.
class QuitSignals : public QObject {
    Q_OBJECT
public:
    QuitSignals();
    ~QuitSignals() override;

    // Blocks the signals; call first thing in main, so that threads started later inherit it.
    static void block();

signals:
    void quitRequested(int inSignal);

private:
    void readSignal();

    int mFd = -1;
    std::unique_ptr<QSocketNotifier> mNotifier;
};
