// Start-up of the host program: launched, pane loaded from its bundle, transmitter adopted, first
// frame painted (offscreen, into a PNG) and the program gone; with the largest resident memory it
// had, which it reaches by the first frame.
#include "support/Percentiles.h"

#include <QTemporaryDir>

#include <benchmark/benchmark.h>

#include <chrono>
#include <string>
#include <vector>

#include <fcntl.h>
#include <spawn.h>
#include <sys/resource.h>
#include <sys/wait.h>

extern char** environ;

namespace {

using Clock = std::chrono::steady_clock;

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

    posix_spawn_file_actions_t quiet;
    posix_spawn_file_actions_init(&quiet);
    posix_spawn_file_actions_addopen(&quiet, 1, "/dev/null", O_WRONLY, 0);
    posix_spawn_file_actions_addopen(&quiet, 2, "/dev/null", O_WRONLY, 0);

    std::vector<double> millis;
    long peakKiB = 0;
    for (auto _ : inState) {
        const Clock::time_point start = Clock::now();
        pid_t child = 0;
        if (posix_spawn(&child, program.c_str(), &quiet, nullptr, argv, envp.data()) != 0) {
            inState.SkipWithError("cannot start the host program");
            break;
        }
        int status = 0;
        rusage usage{};
        wait4(child, &status, 0, &usage);
        const std::chrono::duration<double> took = Clock::now() - start;
        if (!WIFEXITED(status) || WEXITSTATUS(status) != 0) {
            inState.SkipWithError("the host program failed");
            break;
        }
        inState.SetIterationTime(took.count());
        millis.push_back(took.count() * 1e3);
        peakKiB = std::max(peakKiB, usage.ru_maxrss);
    }
    posix_spawn_file_actions_destroy(&quiet);
    inState.counters["p50_ms"] = percentile(millis, 0.5);
    inState.counters["max_ms"] = percentile(millis, 1.0);
    inState.counters["rss_MiB"] = static_cast<double>(peakKiB) / 1024.0;
}

BENCHMARK(BM_StartUpToFirstFrame)->Iterations(20)->UseManualTime()->Unit(benchmark::kMillisecond);

} // namespace
