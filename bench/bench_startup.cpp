// Start-up of the host program: launched, pane loaded from its bundle, transmitter adopted, first
// frame painted (offscreen, into a PNG) and the program gone; with the largest resident memory it
// had, which it reaches by the first frame.
#include "support/Percentiles.h"

#include <QFile>
#include <QTemporaryDir>

#include <benchmark/benchmark.h>

#include <chrono>
#include <csignal>
#include <string>
#include <vector>

#include <fcntl.h>
#include <sys/ptrace.h>
#include <sys/wait.h>
#include <unistd.h>

namespace {

using Clock = std::chrono::steady_clock;

// The peak resident memory of a process, in KiB.
long peakKiB(pid_t inPid) {
    const QByteArray status = [&] {
        QFile file(QString("/proc/%1/status").arg(inPid));
        return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
    }();
    const qsizetype at = status.indexOf("VmHWM:"); // "VmHWM:    39532 kB"
    return at < 0 ? 0 : status.mid(at + 6).simplified().split(' ').value(0).toLong();
}

// Runs the program to its end; its exit status, or -1. Its peak memory is read as it exits, from
// its own address space: the rusage of a process started from this one would count this one's
// memory too, which the kernel carries over the exec.
int run(char* const* inArgv, char* const* inEnvp, long* outPeakKiB) {
    const pid_t child = ::fork();
    if (child == 0) {
        const int quiet = ::open("/dev/null", O_WRONLY);
        ::dup2(quiet, 1);
        ::dup2(quiet, 2);
        ::ptrace(PTRACE_TRACEME, 0, nullptr, nullptr);
        ::execve(inArgv[0], inArgv, inEnvp);
        ::_exit(127);
    }
    int status = 0;
    if (child < 0 || ::waitpid(child, &status, 0) != child || !WIFSTOPPED(status)) {
        return -1; // not stopped at its exec
    }
    ::ptrace(PTRACE_SETOPTIONS, child, nullptr, PTRACE_O_TRACEEXIT);
    int pass = 0;
    while (::ptrace(PTRACE_CONT, child, nullptr, pass) == 0 &&
           ::waitpid(child, &status, 0) == child && WIFSTOPPED(status)) {
        if (status >> 8 == (SIGTRAP | (PTRACE_EVENT_EXIT << 8))) {
            *outPeakKiB = peakKiB(child);
            pass = 0;
        } else {
            pass = WSTOPSIG(status); // the program's own signals go on to it
        }
    }
    return WIFEXITED(status) ? WEXITSTATUS(status) : -1;
}

void BM_StartUpToFirstFrame(benchmark::State& inState) {
    QTemporaryDir folder;
    std::string shot = folder.filePath("pane.png").toStdString();
    std::vector<std::string> env{"QT_QPA_PLATFORM=offscreen",
                                 "XDG_CONFIG_HOME=" + folder.path().toStdString(),
                                 "XDG_RUNTIME_DIR=" + folder.path().toStdString()};
    if (const char* home = std::getenv("HOME")) {
        env.push_back(std::string("HOME=") + home);
    }
    std::vector<char*> envp;
    for (std::string& entry : env) {
        envp.push_back(entry.data());
    }
    envp.push_back(nullptr);
    std::string program = TAVRO_HOST_PROGRAM;
    std::string simulate = "--simulate";
    std::string screenshot = "--screenshot";
    char* argv[] = {program.data(), simulate.data(), screenshot.data(), shot.data(), nullptr};

    std::vector<double> millis;
    long peak = 0;
    for (auto _ : inState) {
        const Clock::time_point start = Clock::now();
        long runPeak = 0;
        const int exitStatus = run(argv, envp.data(), &runPeak);
        const std::chrono::duration<double> took = Clock::now() - start;
        if (exitStatus != 0) {
            inState.SkipWithError("the host program failed");
            break;
        }
        inState.SetIterationTime(took.count());
        millis.push_back(took.count() * 1e3);
        peak = std::max(peak, runPeak);
    }
    inState.counters["p50_ms"] = percentile(millis, 0.5);
    inState.counters["max_ms"] = percentile(millis, 1.0);
    inState.counters["rss_MiB"] = static_cast<double>(peak) / 1024.0;
}

BENCHMARK(BM_StartUpToFirstFrame)->Iterations(20)->UseManualTime()->Unit(benchmark::kMillisecond);

} // namespace
