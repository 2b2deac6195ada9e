// The controller's settings: read once at start-up, written each time the pane is deselected.
#include "pane/USB_TavroPref.h"
#include "settings/Settings.h"

void USB_TavroPref::readPrefs() {
    const settings::Stored stored = settings::read(settings::prefPath()).stored;
    mFrequency = stored.frequency.value_or(mFrequency);
    mStyle = stored.style.value_or(mStyle);
    mStereo = stored.stereo.value_or(mStereo);
}

void USB_TavroPref::writePrefs() {
    settings::write(settings::prefPath(), mFrequency, mStereo);
}
