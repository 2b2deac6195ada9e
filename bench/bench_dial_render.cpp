// A full repaint of the tuning dial, offscreen, beside Qt's own QDial of the same size painted the
// same way in the same run. Argument: device pixel ratio (1 or 2).
#include "dial/xr_tunerCtl.h"

#include <QDial>
#include <QImage>

#include <benchmark/benchmark.h>

namespace {

constexpr int sRepetitions = 25;

// Paints inWidget alone (no window background) into an image of inScale pixels per point, as
// often as the benchmark asks.
void repaint(benchmark::State& inState, QWidget& inWidget, int inScale) {
    QImage target(inWidget.size() * inScale, QImage::Format_ARGB32_Premultiplied);
    target.setDevicePixelRatio(inScale);
    target.fill(Qt::transparent);
    inWidget.render(&target, QPoint(), QRegion(), QWidget::DrawChildren); // warm-up
    for (auto _ : inState) {
        inWidget.render(&target, QPoint(), QRegion(), QWidget::DrawChildren);
        benchmark::DoNotOptimize(target.constBits());
    }
}

void BM_TunerDial(benchmark::State& inState) {
    xr_tunerCtl dial;
    dial.resize(dial.sizeHint());
    dial.finishInitWithBundle(host::Bundle(TAVRO_BUNDLE_PATH));
    dial.setFrequency(88100);
    dial.setConnected(true);
    if (inState.range(1) != 0) {
        dial.becomeFirstResponder();
    }
    repaint(inState, dial, static_cast<int>(inState.range(0)));
}

void BM_QDial(benchmark::State& inState) {
    QDial dial;
    dial.resize(xr_tunerCtl().sizeHint());
    dial.setRange(881, 1079);
    dial.setValue(881);
    dial.setNotchesVisible(true);
    repaint(inState, dial, static_cast<int>(inState.range(0)));
}

BENCHMARK(BM_TunerDial)
    ->ArgNames({"scale", "focused"})
    ->ArgsProduct({{1, 2}, {0, 1}})
    ->Repetitions(sRepetitions)
    ->ReportAggregatesOnly(true)
    ->Unit(benchmark::kMicrosecond);
BENCHMARK(BM_QDial)
    ->ArgNames({"scale"})
    ->Arg(1)
    ->Arg(2)
    ->Repetitions(sRepetitions)
    ->ReportAggregatesOnly(true)
    ->Unit(benchmark::kMicrosecond);

} // namespace
