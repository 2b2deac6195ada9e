#include "app/QuitSignals.h"

#include <QSocketNotifier>

#include <csignal>
#include <sys/signalfd.h>
#include <unistd.h>

namespace {

sigset_t quitSignalSet() {
    sigset_t set;
    sigemptyset(&set);
    sigaddset(&set, SIGTERM);
    sigaddset(&set, SIGINT);
    sigaddset(&set, SIGHUP);
    return set;
}

} // namespace

void QuitSignals::block() {
    const sigset_t set = quitSignalSet();
    pthread_sigmask(SIG_BLOCK, &set, nullptr);
}

QuitSignals::QuitSignals() {
    const sigset_t set = quitSignalSet();
    mFd = signalfd(-1, &set, SFD_NONBLOCK | SFD_CLOEXEC);
    if (mFd >= 0) {
        mNotifier = std::make_unique<QSocketNotifier>(mFd, QSocketNotifier::Read);
        connect(mNotifier.get(), &QSocketNotifier::activated, this, &QuitSignals::readSignal);
    }
}

QuitSignals::~QuitSignals() {
    mNotifier.reset();
    if (mFd >= 0) {
        close(mFd);
    }
}

void QuitSignals::readSignal() {
    signalfd_siginfo info{};
    while (read(mFd, &info, sizeof info) == static_cast<ssize_t>(sizeof info)) {
        emit quitRequested(static_cast<int>(info.ssi_signo));
    }
}
