#include "app/QuitSignals.h"

#include <QTimer>

#include <csignal>
#include <mutex>
#include <thread>

#include <pthread.h>

namespace {

sigset_t quitSignalSet() {
    sigset_t set;
    sigemptyset(&set);
    sigaddset(&set, SIGTERM);
    sigaddset(&set, SIGINT);
    sigaddset(&set, SIGHUP);
    return set;
}

// The signal's own default action: the program ends as killed by it.
[[noreturn]] void dieOf(int inSignal) {
    std::signal(inSignal, SIG_DFL);
    sigset_t one;
    sigemptyset(&one);
    sigaddset(&one, inSignal);
    pthread_sigmask(SIG_UNBLOCK, &one, nullptr);
    raise(inSignal);
    std::_Exit(128 + inSignal);
}

} // namespace

struct QuitSignals::Shared {
    std::mutex mutex;
    QuitSignals* receiver = nullptr; // set while the event loop takes the signals
};

void QuitSignals::block() {
    const sigset_t set = quitSignalSet();
    pthread_sigmask(SIG_BLOCK, &set, nullptr);
}

QuitSignals::QuitSignals() : mShared(std::make_shared<Shared>()) {
    std::thread([shared = mShared] {
        const sigset_t set = quitSignalSet();
        for (;;) {
            int signal = 0;
            if (sigwait(&set, &signal) != 0) {
                continue;
            }
            const std::lock_guard lock(shared->mutex);
            if (shared->receiver == nullptr) {
                dieOf(signal);
            }
            // Queued to the receiver, which runs it only while it lives.
            QuitSignals* receiver = shared->receiver;
            QMetaObject::invokeMethod(
                receiver, [receiver, signal] { emit receiver->quitRequested(signal); },
                Qt::QueuedConnection);
        }
    }).detach();
}

QuitSignals::~QuitSignals() {
    const std::lock_guard lock(mShared->mutex);
    mShared->receiver = nullptr;
}

void QuitSignals::handleInEventLoop() {
    QTimer::singleShot(0, this, [this] {
        const std::lock_guard lock(mShared->mutex);
        mShared->receiver = this;
    });
}
