// Writes the settings file without end, alternating two frequency and stereo choices, until it
// is killed. Prints "ready" once the first write is complete. Run by test_settings_crash.
//   test_settings_crash_writer <path> <frequency A> <stereo A> <frequency B> <stereo B>
#include "settings/Settings.h"

#include <csignal>
#include <cstdio>
#include <cstdlib>

#include <sys/prctl.h>

int main(int argc, char** argv) {
    if (argc != 6) {
        std::fprintf(stderr, "usage: %s path frequencyA stereoA frequencyB stereoB\n", argv[0]);
        return 2;
    }
    // Dies with the test that started it, so that a test that fails on the way leaves no writer
    // running.
    ::prctl(PR_SET_PDEATHSIG, SIGKILL);
    const QString path = QString::fromLocal8Bit(argv[1]);
    const SInt32 frequencies[2] = {std::atoi(argv[2]), std::atoi(argv[4])};
    const bool stereos[2] = {std::atoi(argv[3]) != 0, std::atoi(argv[5]) != 0};
    for (unsigned long n = 0;; ++n) {
        if (!settings::write(path, frequencies[n % 2], stereos[n % 2]).saved()) {
            std::fprintf(stderr, "write %lu failed\n", n);
            return 1;
        }
        if (n == 0) {
            std::printf("ready\n");
            std::fflush(stdout);
        }
    }
}
