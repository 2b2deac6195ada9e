// What the dial draws and where, recorded through the drawing layer.
#include "dial/xr_tunerCtl.h"
#include "support/RecordingContext.h"
#include "support/TestBundle.h"

#include <gmock/gmock.h>
#include <gtest/gtest.h>

#include <array>

namespace {

using ::testing::Contains;
using ::testing::ElementsAre;
using ::testing::HasSubstr;
using ::testing::IsEmpty;
using ::testing::Not;
using ::testing::UnorderedElementsAreArray;
using Drawing = std::vector<std::string>;

const char* const sFace = "xr_tuner (4.00, 4.00)";
const char* const sRing = "ring (4.00, 11.00, 128.00, 128.00)";

Drawing draw(xr_tunerCtl& inDial, const host::Rect& inRect = {{0, 0}, {136, 143}}) {
    RecordingContext context;
    inDial.drawRect(context, inRect);
    EXPECT_TRUE(context.stateRestored());
    return context.drawn;
}

// The drawing without the knob, whose place other tests check.
Drawing withoutKnob(Drawing inDrawing) {
    std::erase_if(inDrawing, [](const std::string& s) { return s.starts_with("xr_detent "); });
    return inDrawing;
}

// The read-out as five characters for the hundreds, tens, ones, point and tenths places: a digit,
// "." for the point, "-" for a dash, " " for nothing.
Drawing readout(const std::string& inText) {
    static const std::array<std::string, 5> sPlaces{
        "(32.00, 62.00)", "(47.00, 62.00)", "(62.00, 62.00)", "(77.00, 62.00)", "(81.00, 62.00)"};
    Drawing images;
    for (std::size_t place = 0; place < sPlaces.size(); ++place) {
        const char c = inText.at(place);
        if (c != ' ') {
            const std::string image = c == '.'   ? "xr_digpoint"
                                      : c == '-' ? "xr_digdash"
                                                 : std::string("xr_dig") + c;
            images.push_back(image + " " + sPlaces[place]);
        }
    }
    return images;
}

// The face and the read-out inText (see readout()).
Drawing faceAnd(const std::string& inText) {
    Drawing images = readout(inText);
    images.push_back(sFace);
    return images;
}

class DialDrawing : public ::testing::Test {
protected:
    void SetUp() override { dial.finishInitWithBundle(images.bundle()); }
    void tune(SInt32 inStyle, SInt32 inFrequency, bool inConnected = true) {
        dial.setTuningStyle(inStyle);
        dial.setFrequency(inFrequency);
        dial.setConnected(inConnected);
    }

    TestBundle images;
    xr_tunerCtl dial;
};

struct ReadoutCase {
    SInt32 style;
    SInt32 frequency;
    std::string readout;
    friend void PrintTo(const ReadoutCase& inCase, std::ostream* inOut) {
        *inOut << inCase.frequency << " kHz";
    }
};

class Readout : public DialDrawing, public ::testing::WithParamInterface<ReadoutCase> {};

// MHz with one decimal over the face: no leading zero, and the 100 kHz step at or below the
// frequency.
TEST_P(Readout, ShowsTheFrequencyOverTheFace) {
    tune(GetParam().style, GetParam().frequency);
    const Drawing drawn = draw(dial);
    ASSERT_FALSE(drawn.empty());
    EXPECT_EQ(drawn.front(), sFace);
    EXPECT_EQ(drawn.size() - withoutKnob(drawn).size(), 1u) << "one knob";
    EXPECT_THAT(withoutKnob(drawn), UnorderedElementsAreArray(faceAnd(GetParam().readout)));
}

INSTANTIATE_TEST_SUITE_P(
    Tunings, Readout,
    ::testing::Values(ReadoutCase{0, 88100, " 88.1"}, ReadoutCase{0, 107900, "107.9"},
                      ReadoutCase{0, 100000, "100.0"}, ReadoutCase{1, 76100, " 76.1"},
                      ReadoutCase{0, 88150, " 88.1"}, ReadoutCase{0, 99999, " 99.9"}));

// Three dashes instead of digits; no knob, no point, nothing at the hundreds.
TEST_F(DialDrawing, DisconnectedShowsTheFaceAndThreeDashes) {
    for (const SInt32 frequency : {88100, 98000, 107900}) {
        tune(0, frequency, false);
        const Drawing drawn = draw(dial);
        ASSERT_FALSE(drawn.empty());
        EXPECT_EQ(drawn.front(), sFace);
        EXPECT_THAT(drawn, UnorderedElementsAreArray(faceAnd(" -- -")));
    }
}

// The knob image's lower-left corner, 8 left of and 8 below its place on the circle of radius
// 50, which it sweeps 300 degrees clockwise from seven o'clock.
TEST_F(DialDrawing, KnobFollowsTheWheelPercent) {
    const std::vector<std::pair<SInt32, std::string>> cases{
        {88100, "xr_detent (35.00, 23.70)"},  // 0.0
        {93050, "xr_detent (11.70, 79.94)"},  // 0.25
        {98000, "xr_detent (60.00, 117.00)"}, // 0.5
        {107900, "xr_detent (85.00, 23.70)"}, // 1.0
    };
    for (const auto& [frequency, knob] : cases) {
        tune(0, frequency);
        EXPECT_THAT(draw(dial), Contains(knob)) << frequency;
    }
}

TEST_F(DialDrawing, FocusRingWhileFocusedOverEverythingElse) {
    for (const bool connected : {true, false}) {
        dial.setConnected(connected);
        EXPECT_THAT(draw(dial), Not(Contains(HasSubstr("ring"))));
        dial.becomeFirstResponder();
        const Drawing focused = draw(dial);
        ASSERT_FALSE(focused.empty());
        EXPECT_EQ(focused.back(), sRing);
        EXPECT_THAT(focused, Contains(HasSubstr("ring")).Times(1));
        dial.resignFirstResponder();
        EXPECT_THAT(draw(dial), Not(Contains(HasSubstr("ring"))));
    }
}

TEST(DialBeforeItsImages, DrawsNothingButTheFocusRing) {
    xr_tunerCtl dial;
    dial.setConnected(true);
    EXPECT_THAT(draw(dial), IsEmpty());
    dial.becomeFirstResponder();
    EXPECT_THAT(draw(dial), ElementsAre(sRing));
}

// An image that is absent or cannot be read leaves a gap where it belongs; the rest shows.
TEST(DialWithABrokenImage, LeavesGapsOnly) {
    for (const QString broken : {"xr_dig5", "xr_dig5!"}) {
        const TestBundle images(0, false, {broken});
        xr_tunerCtl dial;
        dial.finishInitWithBundle(images.bundle());
        dial.setFrequency(105500);
        dial.setConnected(true);
        EXPECT_THAT(withoutKnob(draw(dial)), UnorderedElementsAreArray(faceAnd("10 . ")));
    }
}

TEST_F(DialDrawing, SameWholeDrawingForAnyRect) {
    tune(0, 93050);
    dial.becomeFirstResponder();
    const Drawing whole = draw(dial);
    for (const host::Rect& rect : {host::Rect{{60, 60}, {2, 2}}, host::Rect{{0, 0}, {0, 0}},
                                   host::Rect{{200, 200}, {10, 10}}}) {
        EXPECT_EQ(draw(dial, rect), whole);
    }
}

// Loading happens once: a later bundle is not looked at, even when the first had nothing.
TEST(DialLoading, OnlyTheFirstBundleCounts) {
    const TestBundle first;
    const TestBundle second(1);
    const TestBundle empty(0, false, TestBundle::names());

    xr_tunerCtl dial;
    EXPECT_EQ(dial.finishInitWithBundle(first.bundle()), &dial);
    EXPECT_EQ(dial.finishInitWithBundle(second.bundle()), &dial);
    EXPECT_THAT(draw(dial), Contains(sFace));

    xr_tunerCtl bare;
    bare.finishInitWithBundle(empty.bundle());
    bare.finishInitWithBundle(first.bundle());
    EXPECT_THAT(draw(bare), IsEmpty());
}

} // namespace
