// The dial's key repeat on the real event loop and clock: how late each step comes against its
// due point (0, 0.4, 0.8, then every 0.05 s after the key went down), and whether any due point
// is missed or stepped twice. Argument: 1 to keep the other core busy meanwhile.
#include "dial/xr_tunerCtl.h"
#include "support/Percentiles.h"

#include <QEventLoop>
#include <QTimer>

#include <benchmark/benchmark.h>

#include <algorithm>
#include <atomic>
#include <chrono>
#include <thread>
#include <vector>

namespace {

using Clock = std::chrono::steady_clock;

constexpr int sFastSteps = 200;

class StepTimes : public QObject {
    Q_OBJECT
public:
    Q_INVOKABLE void handleFreqWheel(QObject*) { times.push_back(Clock::now()); }
    std::vector<Clock::time_point> times;
};

std::vector<double> duePoints(int inFastSteps) {
    std::vector<double> due{0.0, 0.4, 0.8};
    for (int i = 1; i <= inFastSteps; ++i) {
        due.push_back(0.8 + 0.05 * i);
    }
    return due;
}

void BM_KeyRepeatLateness(benchmark::State& inState) {
    const bool busy = inState.range(0) != 0;
    std::atomic<bool> stop{false};
    std::thread spinner;
    if (busy) {
        spinner = std::thread([&stop] {
            volatile unsigned long spin = 0;
            while (!stop.load(std::memory_order_relaxed)) {
                spin = spin + 1;
            }
        });
    }

    const std::vector<double> due = duePoints(sFastSteps);
    std::vector<double> lateness;
    int missed = 0;
    int doubled = 0;
    for (auto _ : inState) {
        xr_tunerCtl dial;
        StepTimes steps;
        dial.setConnected(true);
        dial.setWheelTarget(&steps, host::Selector("handleFreqWheel"));
        const host::Event up = host::Event::key(std::u16string(1, host::kUpArrowFunctionKey));

        QEventLoop loop;
        const Clock::time_point down = Clock::now();
        dial.keyDown(up);
        // Released half-way between the last wanted due point and the next.
        const auto hold = std::chrono::duration<double>(due.back() + 0.025);
        QTimer::singleShot(std::chrono::ceil<std::chrono::milliseconds>(hold), Qt::PreciseTimer,
                           &loop, [&] {
                               dial.keyUp(up);
                               loop.quit();
                           });
        loop.exec();

        // Each due point should have exactly one step between it and the next.
        std::size_t next = 0;
        for (std::size_t i = 0; i < due.size(); ++i) {
            const double end = i + 1 < due.size() ? due[i + 1] : due[i] + 0.05;
            int inInterval = 0;
            for (; next < steps.times.size(); ++next) {
                const double at = std::chrono::duration<double>(steps.times[next] - down).count();
                if (at >= end) {
                    break;
                }
                if (inInterval++ == 0) {
                    lateness.push_back(at - due[i]);
                }
            }
            missed += inInterval == 0 ? 1 : 0;
            doubled += inInterval > 1 ? inInterval - 1 : 0;
        }
    }
    stop = true;
    if (spinner.joinable()) {
        spinner.join();
    }
    inState.counters["steps"] = static_cast<double>(lateness.size());
    inState.counters["p50_ms"] = percentile(lateness, 0.50) * 1e3;
    inState.counters["p99_ms"] = percentile(lateness, 0.99) * 1e3;
    inState.counters["max_ms"] = percentile(lateness, 1.0) * 1e3;
    inState.counters["missed"] = missed;
    inState.counters["doubled"] = doubled;
}

BENCHMARK(BM_KeyRepeatLateness)
    ->ArgNames({"busy"})
    ->Arg(0)
    ->Arg(1)
    ->Iterations(1)
    ->UseRealTime()
    ->Unit(benchmark::kSecond);

} // namespace

#include "bench_key_repeat.moc"
