// Turning the knob with the mouse: a press inside the dial's circle starts tracking, and each
// drag turns the knob by the angle the pointer turned about the centre.
#include "dial/xr_tunerCtl.h"

#include "dial/xr_tunerLayout.h"

#include <algorithm>
#include <cmath>
#include <limits>

namespace {

constexpr Float32 sWrapThreshold = 270.0f;
constexpr Float32 sFullTurn = 360.0f;

} // namespace

Float32 xr_tunerCtl::distBetween(host::Point inPoint1, host::Point inPoint2) {
    const Float32 dx = inPoint1.x - inPoint2.x;
    const Float32 dy = inPoint1.y - inPoint2.y;
    return sqrtf(dx * dx + dy * dy);
}

Float32 xr_tunerCtl::angleFromNorth(host::Point inCenterPt, host::Point inMousePt, bool inFlipped) {
    const Float32 dx = inMousePt.x - inCenterPt.x;
    const Float32 dy = inMousePt.y - inCenterPt.y;
    const Float32 r = sqrtf(dx * dx + dy * dy);
    if (!(r > 0.0f)) {
        return std::numeric_limits<Float32>::quiet_NaN();
    }
    const Float32 ux = dx / r;
    Float32 uy = dy / r;
    if (inFlipped) {
        uy = -uy;
    }
    const double a = std::atan2(static_cast<double>(ux), static_cast<double>(uy));
    auto result = static_cast<Float32>(a * 180.0 / sPi);
    if (result < 0.0f) {
        result = static_cast<Float32>(static_cast<double>(result) + 360.0);
    }
    return result;
}

host::View* xr_tunerCtl::hitTest(host::Point inPoint) {
    const host::Point mousePt = convertPoint(inPoint, superview());
    return distBetween(sCenterPt, mousePt) <= sHitRadius ? this : nullptr;
}

void xr_tunerCtl::mouseDown(const host::Event& inEvent) {
    if (!mConnected) {
        return;
    }
    const host::Point mousePt = convertPoint(inEvent.locationInWindow(), nullptr);
    if (distBetween(sCenterPt, mousePt) <= sHitRadius) {
        mTracking = true;
        mLastWheelAngle = angleFromNorth(sCenterPt, mousePt, isFlipped());
    }
}

void xr_tunerCtl::mouseDragged(const host::Event& inEvent) {
    if (!mConnected) {
        return;
    }
    const host::Point mousePt = convertPoint(inEvent.locationInWindow(), nullptr);
    bool needUpdate = false;
    if (!mTracking) {
        return;
    }
    const Float32 newAngle = angleFromNorth(sCenterPt, mousePt, isFlipped());
    // The centre has no direction: moving onto or off it turns nothing, and the knob follows the
    // pointer again from the next point that has one.
    if (!std::isnan(newAngle) && !std::isnan(mLastWheelAngle)) {
        Float32 delta = newAngle - mLastWheelAngle;
        if (delta > sWrapThreshold) {
            delta -= sFullTurn;
        } else if (delta < -sWrapThreshold) {
            delta += sFullTurn;
        }
        Float32 newPercent = delta / mMaxWheelRotation + mWheelPercent;
        if (newPercent > 1.0f) {
            newPercent = 1.0f;
        } else if (newPercent < 0.0f) {
            newPercent = 0.0f;
        }
        if (newPercent != mWheelPercent) {
            const auto n = static_cast<SInt32>(newPercent * static_cast<Float32>(mFreqRange));
            const SInt32 oldFreq = mFrequency;
            mFrequency = mMinFreq + sFrequencyStep * (n / sFrequencyStep);
            mWheelPercent = newPercent;
            sendAction();
            needUpdate = true;
            if (mFrequency != oldFreq) {
                postAccessibilityValueChanged();
            }
        }
    }
    mLastWheelAngle = newAngle;
    if (needUpdate) {
        setNeedsDisplay(true);
    }
}

void xr_tunerCtl::scrollWheel(const host::Event& inEvent) {
    if (!mConnected) {
        return;
    }
    mScrollNotches += inEvent.deltaY();
    const auto steps = static_cast<SInt32>(mScrollNotches); // toward zero: fractions add up
    mScrollNotches -= static_cast<Float32>(steps);
    const SInt32 newFreq = std::clamp(mFrequency + steps * sFrequencyStep, mMinFreq, mMaxFreq);
    if (newFreq == mFrequency) {
        return;
    }
    setFrequency(newFreq);
    sendAction();
}
