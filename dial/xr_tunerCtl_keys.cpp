// Keyboard tuning: while the dial has focus, the up arrow raises and the down arrow lowers the
// frequency by 100 kHz, one step at once and then by the dial's own accelerating repeat, whatever
// the window system's key-repeat settings are.
#include "dial/xr_tunerCtl.h"

#include "dial/xr_tunerLayout.h"

namespace {

// Caps Lock, Shift, Control, Option, Command: an arrow with any of them is not for tuning.
constexpr UInt32 sModifierMask = 0x001F0000;

constexpr double sSlowInterval = 0.4;     // seconds between the first steps
constexpr double sFastInterval = 0.05;    // seconds between steps once held long enough
constexpr double sAccelerateAfter = 0.75; // seconds held before the fast interval applies

enum TuneDirection : UInt32 { kTuneNone = 0, kTuneUp = 1, kTuneDown = 2 };

// The direction an event asks for, or kTuneNone when the event is not the dial's.
TuneDirection tuningDirection(const host::Event& inEvent) {
    if ((inEvent.modifierFlags() & sModifierMask) != 0) {
        return kTuneNone;
    }
    if (inEvent.characters().empty()) {
        return kTuneNone;
    }
    switch (inEvent.characterAtIndex(0)) {
    case host::kUpArrowFunctionKey:
        return kTuneUp;
    case host::kDownArrowFunctionKey:
        return kTuneDown;
    default:
        return kTuneNone;
    }
}

bool isTuningArrow(const host::Event& inEvent) {
    const char16_t c = inEvent.characterAtIndex(0);
    return c == host::kUpArrowFunctionKey || c == host::kDownArrowFunctionKey;
}

} // namespace

bool xr_tunerCtl::acceptsFirstResponder() {
    return true;
}

bool xr_tunerCtl::becomeFirstResponder() {
    mFocused = true;
    setNeedsDisplay(true);
    return View::becomeFirstResponder();
}

bool xr_tunerCtl::resignFirstResponder() {
    mFocused = false;
    // The release of a held key now goes elsewhere: without this the repeat would run on.
    endKeyRepeat();
    mKeyDown = false;
    setNeedsDisplay(true);
    return View::resignFirstResponder();
}

void xr_tunerCtl::keyDown(const host::Event& inEvent) {
    // A held key's own repeats, and any press while one is held, are dropped.
    if (mKeyDown) {
        return;
    }
    const TuneDirection direction = tuningDirection(inEvent);
    if (direction == kTuneNone) {
        View::keyDown(inEvent);
    } else {
        mTuneDir = direction;
        mNextTime = 0.0;
        mTuneTime = mTiming->now();
        scheduleTune(0.0);
        setNeedsDisplay(true);
    }
    mKeyDown = true;
}

void xr_tunerCtl::keyUp(const host::Event& inEvent) {
    mKeyDown = false;
    if (tuningDirection(inEvent) == kTuneNone) {
        // An arrow released with a modifier held still ends the repeat it started.
        if (isTuningArrow(inEvent)) {
            endKeyRepeat();
        }
        View::keyUp(inEvent);
        return;
    }
    // Released before its first step came due (both in one pass of the event loop): the press
    // still takes its one step.
    if (mTuneDir != kTuneNone && mNextTime == 0.0) {
        doTune(nullptr);
    }
    endKeyRepeat();
    setNeedsDisplay(true);
}

void xr_tunerCtl::endKeyRepeat() {
    // A pending step finds no direction and ends its chain.
    mTuneDir = kTuneNone;
    mTuneTime.reset();
}

void xr_tunerCtl::scheduleTune(double inDelaySeconds) {
    mTiming->performAfterDelay(
        this, [this] { doTune(nullptr); }, inDelaySeconds);
}

void xr_tunerCtl::doTune(QObject*) {
    if (mTuneDir == kTuneNone || !mTuneTime) {
        return;
    }
    const double timeDown = -mTiming->timeIntervalSinceNow(*mTuneTime);
    // Not yet due: this chain ends; another one reaches the due point.
    if (!(timeDown >= mNextTime)) {
        return;
    }

    SInt32 newFreq =
        mTuneDir == kTuneUp ? mFrequency + sFrequencyStep : mFrequency - sFrequencyStep;
    if (newFreq > mMaxFreq) {
        newFreq = mMinFreq;
    } else if (newFreq < mMinFreq) {
        newFreq = mMaxFreq;
    }
    setFrequency(newFreq);
    // The transmitter follows the keys as it follows the mouse.
    if (mConnected) {
        sendAction();
    }

    // Due points stay on their grid, measured from the key-down date, so late calls do not add
    // up; a late call takes one step and skips the due points it missed.
    const double interval = timeDown < sAccelerateAfter ? sSlowInterval : sFastInterval;
    while (mNextTime <= timeDown) {
        mNextTime += interval;
    }
    scheduleTune(mNextTime - timeDown);
}
