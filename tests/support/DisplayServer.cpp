#include "support/DisplayServer.h"

#include <QCoreApplication>
#include <QProcess>
#include <QTest>

#include <csignal>

#include <fcntl.h>
#include <sys/prctl.h>
#include <sys/wait.h>
#include <unistd.h>

DisplayServer::~DisplayServer() {
    disconnect();
    if (mPid > 0) {
        ::kill(mPid, SIGTERM);
        ::waitpid(mPid, nullptr, 0);
    }
}

void DisplayServer::spawn(std::initializer_list<const char*> inArguments,
                          const std::function<void()>& inChild) {
    std::vector<const char*> arguments(inArguments);
    arguments.push_back(nullptr);
    mPid = ::fork(); // before any thread: the child may set its environment
    if (mPid == 0) {
        // Servers log each display or device they miss; and a test program that dies leaves
        // neither a server nor its output open behind it, which ctest would wait for.
        const int nothing = ::open("/dev/null", O_WRONLY);
        ::dup2(nothing, 1);
        ::dup2(nothing, 2);
        inChild();
        ::prctl(PR_SET_PDEATHSIG, SIGTERM); // after inChild, as a change of user clears it
        ::execvp(arguments[0], const_cast<char* const*>(arguments.data()));
        ::_exit(127);
    }
}

bool DisplayServer::exportTo(QProcessEnvironment* ioEnv) const {
    for (const auto& [name, value] : mSession) {
        if (ioEnv != nullptr) {
            value.isEmpty() ? ioEnv->remove(name) : ioEnv->insert(name, value);
        } else {
            value.isEmpty() ? void(qunsetenv(qPrintable(name)))
                            : void(qputenv(qPrintable(name), value.toLocal8Bit()));
        }
    }
    return !mSession.empty();
}

QByteArray DisplayServer::run(const QString& inProgram, const QStringList& inArguments,
                              const std::function<void(QProcess&)>& inWhileRunning) {
    QProcess process;
    QProcessEnvironment env = QProcessEnvironment::systemEnvironment();
    exportTo(&env);
    process.setProcessEnvironment(env);
    process.setProcessChannelMode(QProcess::ForwardedErrorChannel);
    process.start(inProgram, inArguments);
    if (inWhileRunning) {
        inWhileRunning(process);
    }
    while (!process.waitForFinished(1) && process.state() != QProcess::NotRunning) {
        QCoreApplication::processEvents();
    }
    return process.readAllStandardOutput();
}

void DisplayServer::waitHandlingEvents(Clock::time_point inUntil) {
    for (auto left = inUntil - Clock::now(); left.count() > 0; left = inUntil - Clock::now()) {
        QTest::qWait(static_cast<int>(std::chrono::ceil<std::chrono::milliseconds>(left).count()));
    }
}
