// Mouse tuning driven directly: the dial is a top-level widget here, so window coordinates are
// the dial's own.
#include "dial/xr_tunerLayout.h"
#include "support/DialProbe.h"

#include <gtest/gtest.h>

#include <cmath>
#include <memory>

namespace {

constexpr double sDegToRad = 3.141592653589793 / 180.0;

host::Point pointAt(double inDegrees, double inRadius = 40.0) {
    return {static_cast<Float32>(sCenterPt.x + inRadius * std::sin(inDegrees * sDegToRad)),
            static_cast<Float32>(sCenterPt.y + inRadius * std::cos(inDegrees * sDegToRad))};
}

class Wheel : public ::testing::Test {
protected:
    void SetUp() override {
        dial.resize(dial.sizeHint());
        dial.setWheelTarget(&target, host::Selector("handleFreqWheel"));
        dial.setConnected(true);
    }
    void press(host::Point inPoint) { dial.mouseDown(host::Event::mouse(inPoint)); }
    void drag(host::Point inPoint) { dial.mouseDragged(host::Event::mouse(inPoint)); }
    void pressAt(double inDegrees) { press(pointAt(inDegrees)); }
    void dragTo(double inDegrees) { drag(pointAt(inDegrees)); }

    ProbeDial dial;
    WheelTarget target;
};

struct AngleCase {
    host::Point point;
    bool flipped;
    Float32 degrees;
};

TEST(WheelGeometry, AngleIsClockwiseFromNorth) {
    const host::Point c{68.0f, 75.0f};
    const AngleCase cases[] = {
        {{68, 85}, false, 0.0f},   {{78, 75}, false, 90.0f}, {{68, 65}, false, 180.0f},
        {{58, 75}, false, 270.0f}, {{78, 85}, false, 45.0f}, {{58, 85}, false, 315.0f},
        {{68, 85}, true, 180.0f},  {{68, 65}, true, 0.0f},   {{78, 65}, true, 45.0f},
    };
    for (const AngleCase& ac : cases) {
        EXPECT_NEAR(xr_tunerCtl::angleFromNorth(c, ac.point, ac.flipped), ac.degrees, 1e-4)
            << ac.point.x << "," << ac.point.y << " flipped " << ac.flipped;
    }
}

TEST(WheelGeometry, CentreHasNoAngleAndDistanceIsEuclidean) {
    EXPECT_TRUE(std::isnan(xr_tunerCtl::angleFromNorth(sCenterPt, sCenterPt, false)));
    EXPECT_FLOAT_EQ(xr_tunerCtl::distBetween({0, 0}, {3, 4}), 5.0f);
}

TEST_F(Wheel, CrossingNorthTurnsTheShortWayBothWays) {
    dial.setFrequency(98000); // 0.5
    pressAt(350.0);
    dragTo(10.0);
    EXPECT_NEAR(dial.wheelPercent(), 0.5f + 20.0f / 300.0f, 1e-5);

    dragTo(350.0);
    EXPECT_NEAR(dial.wheelPercent(), 0.5f, 1e-5);
}

// A change of exactly 270 degrees is not taken as a crossing of north.
TEST_F(Wheel, ExactlyTwoSeventyIsNotUnwrapped) {
    dial.setFrequency(89090); // 0.05
    press({68, 85});          // north: exactly 0
    drag({58, 75});           // west: exactly 270
    EXPECT_NEAR(dial.wheelPercent(), 0.95f, 1e-5);
    EXPECT_EQ(dial.frequency(), 106900);

    drag({68, 85}); // back by exactly -270
    EXPECT_NEAR(dial.wheelPercent(), 0.05f, 1e-5);
}

TEST_F(Wheel, HitCircleIncludesItsEdgeAndNothingBeyond) {
    const host::Point edge{68.0f, 75.0f + 64.0f};
    const host::Point beyond{68.0f, 75.0f + 64.01f};
    EXPECT_EQ(dial.hitTest(edge), &dial);
    EXPECT_EQ(dial.hitTest(beyond), nullptr);

    press(beyond);
    drag({68.0f + 64.0f, 75.0f});
    EXPECT_EQ(target.calls(), 0u);

    press(edge);                  // north
    drag({68.0f + 64.0f, 75.0f}); // east
    EXPECT_EQ(target.calls(), 1u);
    EXPECT_NEAR(dial.wheelPercent(), 0.3f, 1e-5);
}

TEST_F(Wheel, DragSetsFrequencyInWholeStepsAndStopsAtTheEnds) {
    pressAt(0.0);
    dragTo(150.0);
    EXPECT_NEAR(dial.wheelPercent(), 0.5f, 1e-5);
    EXPECT_EQ(dial.frequency(), 98000);
    ASSERT_EQ(target.calls(), 1u);
    EXPECT_EQ(target.frequencies.back(), 98000); // stored before the action is sent
    EXPECT_EQ(target.senders.back(), &dial);

    for (double degrees : {240.0, 330.0, 30.0, 60.0}) { // +270 more, across north
        dragTo(degrees);
    }
    EXPECT_FLOAT_EQ(dial.wheelPercent(), 1.0f);
    EXPECT_EQ(dial.frequency(), 107900);
}

TEST_F(Wheel, AtTheEndStopFurtherTurningChangesNothingButTheAngleFollows) {
    dial.setFrequency(107900);
    pressAt(0.0);
    const std::size_t calls = target.calls();
    dial.redraws = 0;
    dragTo(40.0);
    dragTo(80.0);
    EXPECT_EQ(target.calls(), calls);
    EXPECT_EQ(dial.redraws, 0);
    EXPECT_EQ(dial.frequency(), 107900);

    dragTo(50.0); // turning back moves the knob back at once
    EXPECT_NEAR(dial.wheelPercent(), 1.0f - 30.0f / 300.0f, 1e-5);
    EXPECT_EQ(target.calls(), calls + 1);
}

TEST_F(Wheel, MoveSmallerThanAStepStillSendsTheActionAndRedraws) {
    pressAt(0.0);
    dial.redraws = 0;
    dragTo(0.5);
    EXPECT_GT(dial.wheelPercent(), 0.0f);
    EXPECT_EQ(dial.frequency(), 88100);
    EXPECT_EQ(target.calls(), 1u);
    EXPECT_EQ(dial.redraws, 1);
}

TEST_F(Wheel, PressNeverMovesTheKnob) {
    dial.setFrequency(98000);
    dial.redraws = 0;
    pressAt(180.0);
    EXPECT_EQ(dial.frequency(), 98000);
    EXPECT_FLOAT_EQ(dial.wheelPercent(), 0.5f);
    EXPECT_EQ(target.calls(), 0u);
    EXPECT_EQ(dial.redraws, 0);
}

TEST_F(Wheel, DisconnectedDialIgnoresPressAndDragUntilConnectedAgain) {
    dial.setConnected(false);
    pressAt(0.0);
    dragTo(90.0);
    EXPECT_EQ(dial.frequency(), 88100);
    EXPECT_EQ(target.calls(), 0u);

    dial.setConnected(true);
    pressAt(90.0);
    dragTo(120.0);
    EXPECT_NEAR(dial.wheelPercent(), 0.1f, 1e-5);
    EXPECT_EQ(target.calls(), 1u);
}

TEST_F(Wheel, DragBeforeAnyPressIsIgnored) {
    dragTo(90.0);
    dragTo(180.0);
    EXPECT_EQ(dial.wheelPercent(), 0.0f);
    EXPECT_EQ(target.calls(), 0u);
}

// The centre has no direction, so passing over it must never turn the knob, let alone to a
// value outside the travel.
TEST_F(Wheel, PointerAtTheCentreNeverMovesTheKnob) {
    dial.setFrequency(98000);
    press(sCenterPt);
    dragTo(90.0);
    EXPECT_FLOAT_EQ(dial.wheelPercent(), 0.5f);
    dragTo(120.0); // from a real angle on, turning works again
    EXPECT_NEAR(dial.wheelPercent(), 0.6f, 1e-5);

    drag(sCenterPt);
    EXPECT_NEAR(dial.wheelPercent(), 0.6f, 1e-5);
    dragTo(300.0);
    EXPECT_NEAR(dial.wheelPercent(), 0.6f, 1e-5);
    EXPECT_GE(dial.frequency(), 88100);
    EXPECT_LE(dial.frequency(), 107900);
}

TEST_F(Wheel, TargetWithoutTheActionIsNeverCalledButTheKnobTurns) {
    DeafTarget deaf;
    dial.setWheelTarget(&deaf, host::Selector("handleFreqWheel"));
    pressAt(0.0);
    dragTo(150.0);
    EXPECT_EQ(dial.frequency(), 98000);
    EXPECT_EQ(deaf.calls, 0);

    dial.setWheelTarget(&target, host::Selector());
    dragTo(160.0);
    EXPECT_EQ(target.calls(), 0u);
}

// The dial does not own its target: one destroyed while still set is simply gone.
TEST_F(Wheel, DestroyedTargetIsNeverCalled) {
    auto doomed = std::make_unique<WheelTarget>();
    dial.setWheelTarget(doomed.get(), host::Selector("handleFreqWheel"));
    doomed.reset();
    pressAt(0.0);
    dragTo(150.0);
    EXPECT_EQ(dial.frequency(), 98000);
}

} // namespace
