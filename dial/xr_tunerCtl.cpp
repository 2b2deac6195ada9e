#include "dial/xr_tunerCtl.h"

#include "dial/xr_bands.h"
#include "dial/xr_tunerLayout.h"

#include <algorithm>
#include <cmath>

xr_tunerCtl::xr_tunerCtl(QWidget* inParent) : View(inParent) {
    // Tab only: Qt would give click focus to the whole frame, corners included, while a press
    // outside the circle is not the dial's. The view takes click focus for the presses it takes.
    setFocusPolicy(Qt::TabFocus);
    // The drawing is laid out for exactly this frame.
    setSizePolicy(QSizePolicy::Fixed, QSizePolicy::Fixed);
}

QSize xr_tunerCtl::sizeHint() const {
    return {sDialWidth, sDialHeight};
}

void xr_tunerCtl::setWheelTarget(QObject* inTarget, const host::Selector& inAction) {
    mWheelTarget = inTarget;
    mWheelAction = inAction;
}

void xr_tunerCtl::setTuningStyle(SInt32 inStyle) {
    if (inStyle == mTuneStyle) {
        return;
    }
    mTuneStyle = inStyle;
    if (const auto band = bandOfStyle(inStyle)) {
        mMinFreq = band->minFreq;
        mMaxFreq = band->maxFreq;
        mFreqRange = mMaxFreq - mMinFreq;
    }
    // A frequency that stays inside the new band keeps its knob position until the next
    // setFrequency; callers set the style first, then the frequency.
    if (validateFrequency()) {
        setWheelPercentFromFrequency();
        setNeedsDisplay(true);
    }
}

bool xr_tunerCtl::validateFrequency() {
    if (mFrequency < mMinFreq) {
        mFrequency = mMinFreq;
        return true;
    }
    if (mFrequency > mMaxFreq) {
        mFrequency = mMaxFreq;
        return true;
    }
    return false;
}

void xr_tunerCtl::setFrequency(SInt32 inFreqInkHz) {
    mFrequency = inFreqInkHz;
    validateFrequency();
    setWheelPercentFromFrequency();
    setNeedsDisplay(true);
    postAccessibilityValueChanged();
}

void xr_tunerCtl::setConnected(bool inConnected) {
    mConnected = inConnected;
    setNeedsDisplay(true);
    postAccessibilityValueChanged();
}

std::optional<host::AccessibilityValue> xr_tunerCtl::accessibilityValue() const {
    // Tenths of a megahertz, cut as the read-out cuts them.
    const SInt32 tenths = mFrequency / 100;
    const QString text =
        mConnected ? QString("%1.%2 MHz").arg(tenths / 10).arg(tenths % 10) : tr("no transmitter");
    return host::AccessibilityValue{static_cast<double>(mFrequency), static_cast<double>(mMinFreq),
                                    static_cast<double>(mMaxFreq), 100.0, text};
}

void xr_tunerCtl::setAccessibilityValue(double inValue) {
    if (!std::isfinite(inValue)) {
        return;
    }
    setFrequency(static_cast<SInt32>(std::clamp(std::round(inValue), static_cast<double>(mMinFreq),
                                                static_cast<double>(mMaxFreq))));
    if (mConnected) {
        sendAction();
    }
}

void xr_tunerCtl::setWheelPercentFromFrequency() {
    const SInt32 offset = mFrequency - mMinFreq;
    mWheelPercent = static_cast<Float32>(offset) / static_cast<Float32>(mFreqRange);
}

void xr_tunerCtl::sendAction() {
    QObject* target = mWheelTarget;
    if (target == nullptr || mWheelAction.isNull()) {
        return;
    }
    if (!host::respondsToSelector(target, mWheelAction)) {
        return;
    }
    host::performSelector(target, mWheelAction, this);
}
