// The dial rendered for real, at one and two pixels per point: its images land with their
// lower-left corners on the dial's y-up points, and the focus ring fits in the frame.
#include "dial/xr_tunerCtl.h"
#include "host/Snapshot.h"
#include "support/TestBundle.h"

#include <gtest/gtest.h>

namespace {

// The colour of the device pixel under inPoint, in the dial's y-up points.
QColor colourAt(const QImage& inShot, const QWidget& inDial, host::Point inPoint) {
    const QPointF pixel = host::View::toQtPoint(&inDial, inPoint) * inShot.devicePixelRatio();
    return inShot.pixelColor(static_cast<int>(pixel.x()), static_cast<int>(pixel.y()));
}

class RenderedDial : public ::testing::TestWithParam<int> {};

TEST_P(RenderedDial, ImagesSitOnTheirPointsWithYUp) {
    const TestBundle images(0, true);
    xr_tunerCtl dial;
    dial.resize(dial.sizeHint());
    dial.finishInitWithBundle(images.bundle());
    dial.setFrequency(98000); // 98.0, the knob straight up at (60.00, 117.00)
    dial.setConnected(true);
    const QImage shot = host::snapshot(dial, GetParam(), host::Backdrop::Transparent);
    ASSERT_EQ(shot.size(), QSize(136, 143) * GetParam());

    const QString x2 = GetParam() == 2 ? "@2x" : "";
    const QString face = "xr_tuner" + x2;
    // Half a point inside and outside the edges of each image.
    // clang-format off
    const std::vector<std::pair<host::Point, QString>> probes{
        {{4.5f, 4.5f}, face},                 {{3.5f, 4.5f}, ""},     {{4.5f, 3.5f}, ""},
        {{131.5f, 138.5f}, face},             {{132.5f, 138.5f}, ""}, {{131.5f, 139.5f}, ""},
        {{60.5f, 117.5f}, "xr_detent" + x2},  {{59.5f, 117.5f}, face}, {{60.5f, 116.5f}, face},
        {{75.5f, 132.5f}, "xr_detent" + x2},
        {{47.5f, 62.5f}, "xr_dig9" + x2},     {{46.5f, 62.5f}, face},  {{47.5f, 61.5f}, face},
        {{59.5f, 84.5f}, "xr_dig9" + x2},
        {{80.5f, 65.5f}, "xr_digpoint" + x2}, {{81.5f, 62.5f}, "xr_dig0" + x2},
    };
    // clang-format on
    for (const auto& [point, image] : probes) {
        EXPECT_EQ(TestBundle::nameOf(colourAt(shot, dial, point)), image)
            << "at (" << point.x << ", " << point.y << ")";
    }
}

TEST_P(RenderedDial, FocusRingIsOutsideTheCircleAndInsideTheFrame) {
    xr_tunerCtl dial; // no images: only the ring
    dial.resize(dial.sizeHint());
    dial.becomeFirstResponder();
    const QImage shot = host::snapshot(dial, GetParam(), host::Backdrop::Transparent);

    // Mid-ring, 65.5 from the centre (68, 75), in four directions; the circle left alone.
    for (const host::Point p : {host::Point{68.5f, 140.5f}, host::Point{68.5f, 9.5f},
                                host::Point{2.5f, 75.5f}, host::Point{133.5f, 75.5f}}) {
        EXPECT_EQ(colourAt(shot, dial, p), dial.palette().color(QPalette::Highlight));
    }
    EXPECT_EQ(colourAt(shot, dial, {68.5f, 137.5f}).alpha(), 0);
    // Nothing on the outermost pixels: the ring is not cut off.
    const QRect inner = shot.rect().adjusted(1, 1, -1, -1);
    for (int y = 0; y < shot.height(); ++y) {
        for (int x = 0; x < shot.width(); ++x) {
            ASSERT_TRUE(inner.contains(x, y) || shot.pixelColor(x, y).alpha() == 0)
                << x << "," << y;
        }
    }
}

INSTANTIATE_TEST_SUITE_P(Scales, RenderedDial, ::testing::Values(1, 2));

} // namespace
