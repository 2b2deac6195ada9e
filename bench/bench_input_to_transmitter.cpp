// From a drag event delivered to the dial to the tuning report's bytes readable at the device
// node, through the real pane, dial, device link and Linux backend on a umockdev node; beside
// the bare system calls any such write needs (open the node, write the seven bytes, close it,
// read them at the other end), as "bare_". Run under umockdev-wrapper.
#include "device/DeviceServices.h"
#include "device/linux/LinuxBackend.h"
#include "dial/xr_tunerLayout.h"
#include "pane/USB_TavroPref.h"
#include "support/MockSysfs.h"
#include "support/NodeReader.h"
#include "support/Percentiles.h"

#include <QApplication>
#include <QMouseEvent>
#include <QTemporaryDir>

#include <benchmark/benchmark.h>

#include <chrono>
#include <memory>

#include <fcntl.h>

namespace {

using Clock = std::chrono::steady_clock;

constexpr int sSamples = 20000;
constexpr std::size_t sReportBytes = 7; // report ID and the six report bytes

// The pane on a mock transmitter, with the knob held down at north.
class TunedPane {
public:
    TunedPane() {
        qputenv("XDG_CONFIG_HOME", mConfig.path().toLocal8Bit());
        mSysfs.add({.index = 0});
        mBackend = std::make_unique<device::LinuxBackend>();
        mServices = std::make_unique<device::DeviceServices>(*mBackend);
        mPane = std::make_unique<USB_TavroPref>(host::Bundle(TAVRO_BUNDLE_PATH), *mServices);
        mPane->loadMainView();
        mPane->mainViewDidLoad();
        mDial = mPane->mainView()->findChild<xr_tunerCtl*>("mTunerCtl");
        mNode = mSysfs.writtenFd(0);
        readWritten(mNode, sReportBytes); // the report sent on adoption
        send(QEvent::MouseButtonPress, {sCenterPt.x, sCenterPt.y + 40.0f}, Qt::LeftButton);
    }

    bool ready() const { return mDial != nullptr && mNode >= 0 && mDial->connected(); }
    int node() const { return mNode; }

    // Turns the knob 30 degrees one way or the other.
    void drag(bool inEast) {
        const host::Point to = inEast ? host::Point{sCenterPt.x + 40.0f, sCenterPt.y}
                                      : host::Point{sCenterPt.x + 34.64f, sCenterPt.y + 20.0f};
        send(QEvent::MouseMove, to, Qt::NoButton);
    }

private:
    void send(QEvent::Type inType, host::Point inDialPoint, Qt::MouseButton inButton) {
        const QPointF local = host::View::toQtPoint(mDial, inDialPoint);
        QMouseEvent event(inType, local, mDial->mapTo(mDial->window(), local),
                          mDial->mapToGlobal(local), inButton, Qt::LeftButton, Qt::NoModifier);
        QApplication::sendEvent(mDial, &event);
    }

    QTemporaryDir mConfig;
    MockSysfs mSysfs;
    std::unique_ptr<device::LinuxBackend> mBackend;
    std::unique_ptr<device::DeviceServices> mServices;
    std::unique_ptr<USB_TavroPref> mPane;
    xr_tunerCtl* mDial = nullptr;
    int mNode = -1;
};

// Both paths in turn, one of each per iteration, so that both meet the same machine.
void BM_DragToTransmitter(benchmark::State& inState) {
    TunedPane pane;
    if (!pane.ready()) {
        inState.SkipWithError("no transmitter: run under umockdev-wrapper");
        return;
    }
    const std::string node = MockSysfs::node(0);
    const unsigned char report[sReportBytes] = {0x00, 0xC0, 0x4B, 0x71, 0x0C, 0x00, 0x00};
    std::vector<double> bare;
    std::vector<double> ours;
    bool east = true;
    for (auto _ : inState) {
        Clock::time_point start = Clock::now();
        const int fd = ::open(node.c_str(), O_WRONLY | O_NONBLOCK | O_CLOEXEC);
        const bool written = fd >= 0 && ::write(fd, report, sizeof report) == sizeof report;
        ::close(fd);
        if (!written || !readWritten(pane.node(), sReportBytes)) {
            inState.SkipWithError("the bare write failed");
            return;
        }
        bare.push_back(std::chrono::duration<double, std::micro>(Clock::now() - start).count());

        start = Clock::now();
        pane.drag(east);
        if (!readWritten(pane.node(), sReportBytes)) {
            inState.SkipWithError("the report never reached the node");
            return;
        }
        const std::chrono::duration<double> took = Clock::now() - start;
        inState.SetIterationTime(took.count());
        ours.push_back(took.count() * 1e6);
        east = !east;
    }
    inState.counters["bare_p50_us"] = percentile(bare, 0.50);
    inState.counters["bare_p99_us"] = percentile(bare, 0.99);
    inState.counters["p50_us"] = percentile(ours, 0.50);
    inState.counters["p99_us"] = percentile(ours, 0.99);
    inState.counters["p99_ratio"] = percentile(ours, 0.99) / percentile(bare, 0.99);
}

BENCHMARK(BM_DragToTransmitter)
    ->Iterations(sSamples)
    ->UseManualTime()
    ->Unit(benchmark::kMicrosecond);

} // namespace
