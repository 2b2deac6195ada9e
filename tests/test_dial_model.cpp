#include "support/DialProbe.h"

#include <gtest/gtest.h>

namespace {

TEST(DialModel, NewDialIsBandZeroAtItsLowestFrequencyDisconnected) {
    xr_tunerCtl dial;
    EXPECT_EQ(dial.frequency(), 88100);
    EXPECT_EQ(dial.tuningStyle(), 0);
    EXPECT_FALSE(dial.connected());
    EXPECT_EQ(dial.wheelPercent(), 0.0f);
}

struct FrequencyCase {
    SInt32 style;
    SInt32 input;
    SInt32 expected;
    Float32 percent;
};

class SetFrequency : public ::testing::TestWithParam<FrequencyCase> {};

// The frequency is held inside the band, never rounded to a step, and the knob follows it.
TEST_P(SetFrequency, ClampsToTheBandAndSetsTheKnob) {
    const FrequencyCase c = GetParam();
    ProbeDial dial;
    dial.setTuningStyle(c.style);
    dial.redraws = 0;
    dial.setFrequency(c.input);
    EXPECT_EQ(dial.frequency(), c.expected);
    EXPECT_FLOAT_EQ(dial.wheelPercent(), c.percent);
    EXPECT_EQ(dial.redraws, 1);
}

INSTANTIATE_TEST_SUITE_P(
    Bands, SetFrequency,
    ::testing::Values(FrequencyCase{0, 0, 88100, 0.0f}, FrequencyCase{0, 200000, 107900, 1.0f},
                      FrequencyCase{0, 100050, 100050, 11950.0f / 19800.0f},
                      FrequencyCase{0, 88100, 88100, 0.0f}, FrequencyCase{0, 107900, 107900, 1.0f},
                      FrequencyCase{1, 76100, 76100, 0.0f}, FrequencyCase{1, 89900, 89900, 1.0f},
                      FrequencyCase{1, 100000, 89900, 1.0f}, FrequencyCase{1, -5, 76100, 0.0f},
                      FrequencyCase{1, 88100, 88100, 12000.0f / 13800.0f}));

TEST(DialModel, SettingTheSameFrequencyStillRedraws) {
    ProbeDial dial;
    dial.setFrequency(88100);
    dial.setFrequency(88100);
    EXPECT_EQ(dial.redraws, 2);
}

TEST(DialModel, SameStyleIsNoChangeAndNoRedraw) {
    ProbeDial dial;
    dial.setTuningStyle(0);
    EXPECT_EQ(dial.redraws, 0);
    EXPECT_EQ(dial.frequency(), 88100);
}

TEST(DialModel, StyleChangeThatMovesTheFrequencyUpdatesKnobAndRedraws) {
    ProbeDial dial;
    dial.setFrequency(100000);
    dial.redraws = 0;
    dial.setTuningStyle(1);
    EXPECT_EQ(dial.frequency(), 89900);
    EXPECT_FLOAT_EQ(dial.wheelPercent(), 1.0f);
    EXPECT_EQ(dial.redraws, 1);
}

TEST(DialModel, StyleChangeThatKeepsTheFrequencyLeavesTheKnobUntilSetFrequency) {
    ProbeDial dial; // 88100 kHz, knob at 0.0 of band 0
    dial.setTuningStyle(1);
    EXPECT_EQ(dial.frequency(), 88100);
    EXPECT_FLOAT_EQ(dial.wheelPercent(), 0.0f);
    EXPECT_EQ(dial.redraws, 0);

    dial.setFrequency(88100);
    EXPECT_FLOAT_EQ(dial.wheelPercent(), 12000.0f / 13800.0f);
}

// An unknown style is stored but selects no band; a known style after it is a change again.
TEST(DialModel, UnknownStyleKeepsTheBand) {
    xr_tunerCtl dial;
    dial.setTuningStyle(1);
    dial.setTuningStyle(7);
    EXPECT_EQ(dial.tuningStyle(), 7);
    dial.setFrequency(100000);
    EXPECT_EQ(dial.frequency(), 89900);

    dial.setTuningStyle(0);
    EXPECT_EQ(dial.tuningStyle(), 0);
    dial.setFrequency(200000);
    EXPECT_EQ(dial.frequency(), 107900);

    dial.setTuningStyle(7);
    dial.setTuningStyle(1);
    dial.setFrequency(0);
    EXPECT_EQ(dial.frequency(), 76100);
}

TEST(DialModel, ValidateFrequencyTellsWhetherItMoved) {
    xr_tunerCtl dial;
    dial.setFrequency(100000);
    EXPECT_FALSE(dial.validateFrequency());
    dial.setTuningStyle(1); // moves 100000 to 89900 itself
    EXPECT_FALSE(dial.validateFrequency());
    EXPECT_EQ(dial.frequency(), 89900);
}

TEST(DialModel, SetConnectedRedrawsEvenWhenUnchanged) {
    ProbeDial dial;
    dial.setConnected(false);
    EXPECT_EQ(dial.redraws, 1);
    dial.setConnected(true);
    dial.setConnected(true);
    EXPECT_TRUE(dial.connected());
    EXPECT_EQ(dial.redraws, 3);
}

// Values pushed in by the controller are never sent back to it as actions.
TEST(DialModel, SettersNeverSendTheAction) {
    xr_tunerCtl dial;
    WheelTarget target;
    dial.setWheelTarget(&target, host::Selector("handleFreqWheel"));
    dial.setTuningStyle(1);
    dial.setFrequency(80000);
    dial.setFrequency(0);
    dial.setConnected(true);
    dial.setTuningStyle(0);
    EXPECT_EQ(target.calls(), 0u);
}

} // namespace
