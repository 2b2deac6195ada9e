// The dial draws itself from fourteen images of the pane's bundle: the face, the knob, the digits,
// a decimal point and a dash.
#include "dial/xr_tunerCtl.h"

#include "dial/xr_tunerLayout.h"
#include "host/GraphicsContext.h"

#include <cmath>

namespace {

constexpr double sKnobRadius = 50.0;
constexpr double sKnobOffset = 8.0; // centres a 16 x 16 knob image on its circle
// Knob at wheel percent 0.0, seven o'clock: 1.166667 pi, a hair past 210 degrees.
constexpr double sStartAngle = 3.6651924763856427;
constexpr double sDegreesPerTurn = 360.0;

host::Image loadImage(const host::Bundle& inBundle, const QString& inName) {
    const QString path = inBundle.pathForResource(inName, "tif");
    if (path.isEmpty()) {
        return {};
    }
    return host::Image::fromFile(path);
}

} // namespace

xr_tunerCtl* xr_tunerCtl::finishInitWithBundle(const host::Bundle& inBundle) {
    if (mInitComplete) {
        return this;
    }
    // An image that is missing or unreadable stays empty and simply draws nothing.
    mTunerImage = loadImage(inBundle, "xr_tuner");
    mDetentImage = loadImage(inBundle, "xr_detent");
    for (std::size_t digit = 0; digit < mDigits.size(); ++digit) {
        mDigits[digit] = loadImage(inBundle, QString("xr_dig%1").arg(digit));
    }
    mDigPoint = loadImage(inBundle, "xr_digpoint");
    mDigDash = loadImage(inBundle, "xr_digdash");
    mInitComplete = true;
    return this;
}

void xr_tunerCtl::drawRect(host::GraphicsContext& inContext, const host::Rect&) {
    constexpr auto over = host::CompositeOperation::SourceOver;
    SInt32 freqVal = mFrequency / 100; // tenths of a megahertz

    // The travel in single precision, the angle in double, kept as single; the knob's place is
    // not rounded to whole points.
    const Float32 travel = mWheelPercent * mMaxWheelRotation;
    const auto theta = static_cast<Float32>(
        static_cast<double>(travel) / sDegreesPerTurn * sPi * 2.0 + sStartAngle);
    const host::Point detentPt{
        static_cast<Float32>(std::sin(static_cast<double>(theta)) * sKnobRadius +
                             static_cast<double>(sCenterPt.x) - sKnobOffset),
        static_cast<Float32>(std::cos(static_cast<double>(theta)) * sKnobRadius +
                             static_cast<double>(sCenterPt.y) - sKnobOffset)};

    inContext.compositeImage(mTunerImage, sFacePt, over);

    if (mConnected) {
        // freqVal is never negative: the frequency never falls below its band.
        const auto digit = [&freqVal, this]() -> const host::Image& {
            return mDigits[static_cast<std::size_t>(freqVal % 10)];
        };
        inContext.compositeImage(mDetentImage, detentPt, over);
        inContext.compositeImage(mDigPoint, sPointPt, over);
        inContext.compositeImage(digit(), sTenthsPt, over);
        freqVal /= 10;
        inContext.compositeImage(digit(), sOnesPt, over);
        freqVal /= 10;
        inContext.compositeImage(digit(), sTensPt, over);
        freqVal /= 10;
        if (freqVal != 0) {
            inContext.compositeImage(digit(), sHundredsPt, over);
        }
    } else {
        inContext.compositeImage(mDigDash, sTenthsPt, over);
        inContext.compositeImage(mDigDash, sOnesPt, over);
        inContext.compositeImage(mDigDash, sTensPt, over);
    }

    if (mFocused) {
        // The square around the hit circle; the ring follows the circle, over everything else.
        const host::Rect focusRect{{sCenterPt.x - sHitRadius, sCenterPt.y - sHitRadius},
                                   {sHitRadius * 2.0f, sHitRadius * 2.0f}};
        inContext.saveGraphicsState();
        inContext.setFocusRingStyle(host::FocusRingPlacement::Only);
        inContext.fillOval(focusRect);
        inContext.restoreGraphicsState();
    }
}
