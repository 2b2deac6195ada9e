#pragma once

#include "host/Bundle.h"
#include "host/Date.h"
#include "host/Event.h"
#include "host/Geometry.h"
#include "host/Image.h"
#include "host/TargetAction.h"
#include "host/Timing.h"
#include "host/Types.h"
#include "host/View.h"

#include <QPointer>

#include <array>
#include <optional>

// The tuning dial: a round knob turned with the mouse that sets a frequency in 100 kHz steps
// inside the band chosen by the tuning style, and tells its target after each move.
class xr_tunerCtl : public host::View {
    Q_OBJECT
public:
    // A new dial is in band 0 at 88100 kHz with the knob at 0.0, disconnected, without target
    // and without images. Its frame comes from whoever places it.
    explicit xr_tunerCtl(QWidget* inParent = nullptr);

    // Model
    void setWheelTarget(QObject* inTarget, const host::Selector& inAction);
    void setTuningStyle(SInt32 inStyle);
    SInt32 tuningStyle() const { return mTuneStyle; }
    void setConnected(bool inConnected);
    bool connected() const { return mConnected; }
    void setFrequency(SInt32 inFreqInkHz);
    SInt32 frequency() const { return mFrequency; }
    bool validateFrequency();
    Float32 wheelPercent() const { return mWheelPercent; }

    // Wheel tracking
    static Float32 distBetween(host::Point inPoint1, host::Point inPoint2);
    // Degrees clockwise from north; not a number for the centre itself, which has no direction.
    static Float32 angleFromNorth(host::Point inCenterPt, host::Point inMousePt, bool inFlipped);
    host::View* hitTest(host::Point inPoint) override;
    void mouseDown(const host::Event& inEvent) override;
    void mouseDragged(const host::Event& inEvent) override;
    // One 100 kHz step per notch, up for a turn away from the user, stopping at the band's ends;
    // sends the action, as a drag does, and is ignored while disconnected.
    void scrollWheel(const host::Event& inEvent) override;

    // Rendering
    // Loads the fourteen images from inBundle on the first call; later calls load nothing.
    xr_tunerCtl* finishInitWithBundle(const host::Bundle& inBundle);
    // Draws the whole dial, whatever inRect covers.
    void drawRect(host::GraphicsContext& inContext, const host::Rect& inRect) override;

    // Keyboard tuning and focus: the up and down arrows step the frequency by 100 kHz, at once
    // and then with an accelerating repeat while held.
    bool acceptsFirstResponder() override;
    bool becomeFirstResponder() override;
    bool resignFirstResponder() override;
    void keyDown(const host::Event& inEvent) override;
    void keyUp(const host::Event& inEvent) override;
    void doTune(QObject* inData);
    // The clock and delayed messages of the key repeat; the system's unless a test says otherwise.
    void setTiming(host::Timing& inTiming) { mTiming = &inTiming; }

    QSize sizeHint() const override;

    // To assistive technology: the frequency in kHz within the band, in 100 kHz steps, spoken as
    // the read-out shows it ("88.1 MHz"), or "no transmitter" while disconnected. A value set
    // through it tunes as a key step does.
    std::optional<host::AccessibilityValue> accessibilityValue() const override;
    void setAccessibilityValue(double inValue) override;

private:
    void sendAction();
    void endKeyRepeat();
    void scheduleTune(double inDelaySeconds);
    void setWheelPercentFromFrequency();

    host::Image mTunerImage;
    host::Image mDetentImage;
    std::array<host::Image, 10> mDigits;
    host::Image mDigPoint;
    host::Image mDigDash;
    double mNextTime = 0.0;
    std::optional<host::Date> mTuneTime;
    UInt32 mTuneDir = 0;
    bool mKeyDown = false;
    QPointer<QObject> mWheelTarget; // not owned; cleared if the target is destroyed
    host::Selector mWheelAction;
    Float32 mLastWheelAngle = 0.0f;
    Float32 mMaxWheelRotation = 300.0f;
    Float32 mWheelPercent = 0.0f;
    SInt32 mFrequency = 88100;
    SInt32 mMinFreq = 88100;
    SInt32 mMaxFreq = 107900;
    SInt32 mFreqRange = 19800;
    SInt32 mTuneStyle = 0;
    bool mTracking = false;
    bool mConnected = false;
    bool mInitComplete = false;
    bool mFocused = false;
    Float32 mScrollNotches = 0.0f; // wheel turned and not yet a whole step

    host::Timing* mTiming = &host::systemTiming();
};
