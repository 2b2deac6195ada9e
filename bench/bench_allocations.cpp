// Heap allocations per drag event, in layers: what Qt's own delivery of a mouse move costs, what
// the dial adds, what the pane controller and the device link add, and per tuning report. The
// transmitter is the real Linux HID interface and report writer, writing to a file.
#include "device/DeviceServices.h"
#include "device/linux/LinuxBackend.h"
#include "device/xr_device.h"
#include "dial/xr_tunerLayout.h"
#include "pane/USB_TavroPref.h"
#include "support/AllocationCounter.h"

#include <QApplication>
#include <QFile>
#include <QMouseEvent>
#include <QTemporaryDir>

#include <benchmark/benchmark.h>

#include <stdexcept>

namespace {

// A transmitter that is always plugged in, whose reports the Linux backend's writer writes to a
// plain file (no device node: the program runs under umockdev's preload library, which would
// take those over).
class NullTransmitter final : public device::Backend {
public:
    NullTransmitter() : mSink(mFolder.filePath("reports").toStdString()) {
        if (!QFile(QString::fromStdString(mSink)).open(QIODevice::WriteOnly)) {
            throw std::runtime_error("no file for the reports at " + mSink);
        }
        arrived({"null-transmitter", mSink, 0x0100});
    }
    device::Failure access(const device::Transmitter&) override { return {}; }
    device::Failure send(const device::Transmitter&, std::span<const UInt8> inReport,
                         std::chrono::milliseconds inLimit) override {
        return device::writeToNode(mWriter, mSink, inReport, inLimit);
    }

private:
    QTemporaryDir mFolder;
    std::string mSink;
    device::ReportWriter mWriter;
};

class MoveSink : public QWidget {
protected:
    void mousePressEvent(QMouseEvent* inEvent) override { inEvent->accept(); }
    void mouseMoveEvent(QMouseEvent* inEvent) override { inEvent->accept(); }
};

void sendMouse(QWidget& inWidget, QEvent::Type inType, host::Point inViewPoint,
               Qt::MouseButton inButton) {
    const QPointF local = host::View::toQtPoint(&inWidget, inViewPoint);
    QMouseEvent event(inType, local, inWidget.mapTo(inWidget.window(), local),
                      inWidget.mapToGlobal(local), inButton, Qt::LeftButton, Qt::NoModifier);
    QApplication::sendEvent(&inWidget, &event);
}

// Drags back and forth across 30 degrees, each move turning the knob.
void drag(benchmark::State& inState, QWidget& inWidget) {
    const host::Point north{sCenterPt.x, sCenterPt.y + 40.0f};
    const host::Point east{sCenterPt.x + 40.0f, sCenterPt.y};
    const host::Point between{sCenterPt.x + 34.64f, sCenterPt.y + 20.0f};
    sendMouse(inWidget, QEvent::MouseButtonPress, north, Qt::LeftButton);
    bool toEast = true;
    for (int i = 0; i < 10; ++i) { // warm-up: first-use allocations are not per event
        sendMouse(inWidget, QEvent::MouseMove, toEast ? east : between, Qt::NoButton);
        toEast = !toEast;
    }
    const std::uint64_t before = allocationsSoFar();
    for (auto _ : inState) {
        sendMouse(inWidget, QEvent::MouseMove, toEast ? east : between, Qt::NoButton);
        toEast = !toEast;
    }
    inState.counters["allocs_per_event"] = benchmark::Counter(
        static_cast<double>(allocationsSoFar() - before), benchmark::Counter::kAvgIterations);
}

void BM_QtDelivery(benchmark::State& inState) {
    MoveSink sink;
    sink.resize(136, 143);
    drag(inState, sink);
}

void BM_DialDrag(benchmark::State& inState) {
    xr_tunerCtl dial;
    dial.resize(dial.sizeHint());
    dial.setConnected(true);
    drag(inState, dial);
}

class PaneOnNullTransmitter {
public:
    PaneOnNullTransmitter() : mPane(host::Bundle(TAVRO_BUNDLE_PATH), mServices) {
        qputenv("XDG_CONFIG_HOME", mConfig.path().toLocal8Bit());
        mPane.loadMainView();
        mPane.mainViewDidLoad();
    }
    USB_TavroPref& pane() { return mPane; }
    xr_tunerCtl& dial() { return *mPane.mainView()->findChild<xr_tunerCtl*>("mTunerCtl"); }

private:
    QTemporaryDir mConfig;
    NullTransmitter mTransmitter;
    device::DeviceServices mServices{mTransmitter};
    USB_TavroPref mPane;
};

void BM_PaneDrag(benchmark::State& inState) {
    PaneOnNullTransmitter setup;
    if (!setup.dial().connected()) {
        inState.SkipWithError("the transmitter was not adopted");
        return;
    }
    drag(inState, setup.dial());
}

void BM_Report(benchmark::State& inState) {
    PaneOnNullTransmitter setup;
    xr_device& link = *setup.pane().device();
    link.setFrequency(88100, 1, true);
    const std::uint64_t before = allocationsSoFar();
    SInt32 frequency = 88100;
    for (auto _ : inState) {
        link.setFrequency(frequency, 1, true);
        frequency = frequency == 88100 ? 88200 : 88100;
    }
    inState.counters["allocs_per_report"] = benchmark::Counter(
        static_cast<double>(allocationsSoFar() - before), benchmark::Counter::kAvgIterations);
}

BENCHMARK(BM_QtDelivery)->Unit(benchmark::kMicrosecond);
BENCHMARK(BM_DialDrag)->Unit(benchmark::kMicrosecond);
BENCHMARK(BM_PaneDrag)->Unit(benchmark::kMicrosecond);
BENCHMARK(BM_Report)->Unit(benchmark::kMicrosecond);

} // namespace
