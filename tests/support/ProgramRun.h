#pragma once

#include <QProcess>
#include <QTemporaryDir>

#include <csignal>
#include <string>
#include <vector>

#include <linux/capability.h>
#include <sys/prctl.h>
#include <unistd.h>

// One of the project's programs run as a person runs it, with a settings folder of its own, its
// output read back. As a user: without the capabilities that let root open any file, so that a
// file's mode keeps it out. Its standard output may be a full device or a pipe nobody reads.
class ProgramRun {
public:
    enum class Output { Read, Full, Closed };
    struct Outcome {
        int exitCode; // -1 when a signal ended it
        std::string out;
        std::string err;
    };

    explicit ProgramRun(const char* inProgram) : mProgram(inProgram) {
        env.insert("XDG_CONFIG_HOME", config.path());
        env.insert("XDG_RUNTIME_DIR", runtime.path()); // where a panel holds its lock
        // In the words the tests read, whatever the language of whoever runs them.
        for (const char* variable : {"LC_ALL", "LC_MESSAGES", "LANGUAGE"}) {
            env.remove(variable);
        }
        env.insert("LANG", "C.UTF-8");
    }
    QString settingsPath() const {
        return config.filePath(QString(TAVRO_BUNDLE_IDENTIFIER) + ".plist");
    }

    void start(const QStringList& inArguments, bool inAsAUser = false,
               Output inOutput = Output::Read) {
        process.setProcessEnvironment(env);
        process.setStandardOutputFile(inOutput == Output::Full ? "/dev/full" : QString());
        process.setChildProcessModifier([=, closed = closed] {
            for (const int descriptor : closed) {
                ::close(descriptor);
            }
            if (inAsAUser) {
                ::prctl(PR_CAPBSET_DROP, CAP_DAC_OVERRIDE);
                ::prctl(PR_CAPBSET_DROP, CAP_DAC_READ_SEARCH);
            }
            int ends[2];
            if (inOutput == Output::Closed && ::pipe(ends) == 0) {
                ::dup2(ends[1], STDOUT_FILENO);
                ::close(ends[0]);
                ::close(ends[1]);
            }
        });
        mErr.clear();
        process.start(mProgram, inArguments);
        process.waitForStarted();
    }
    // Waits up to ten seconds for inText on its standard error.
    bool says(const QByteArray& inText) {
        process.setReadChannel(QProcess::StandardError);
        while (!mErr.contains(inText) && process.waitForReadyRead(10000)) {
            mErr += process.readAllStandardError();
        }
        return mErr.contains(inText);
    }
    Outcome finish() {
        process.waitForFinished(30000);
        const bool exited =
            process.state() == QProcess::NotRunning && process.exitStatus() == QProcess::NormalExit;
        return {exited ? process.exitCode() : -1, process.readAllStandardOutput().toStdString(),
                (mErr + process.readAllStandardError()).toStdString()};
    }
    // Sends it inSignal, while it runs (a pid of 0 would signal the whole process group).
    void signal(int inSignal) {
        if (const qint64 pid = process.processId(); pid > 0) {
            ::kill(static_cast<pid_t>(pid), inSignal);
        }
    }
    Outcome run(const QStringList& inArguments, bool inAsAUser = false,
                Output inOutput = Output::Read) {
        start(inArguments, inAsAUser, inOutput);
        return finish();
    }

    QTemporaryDir config;
    QTemporaryDir runtime;
    std::vector<int> closed; // its standard descriptors closed, as `2>&-` closes them
    QProcessEnvironment env = QProcessEnvironment::systemEnvironment();
    QProcess process;

private:
    QString mProgram;
    QByteArray mErr;
};
