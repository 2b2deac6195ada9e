// The controller's settings: read at start-up, saved soon after each change and when the pane is
// deselected, and followed as other programs change the file.
#include "host/SystemLog.h"
#include "pane/USB_TavroPref.h"
#include "settings/Settings.h"

void USB_TavroPref::readPrefs() {
    const QString path = settings::prefPath();
    mInFile = settings::read(path).stored;
    mFrequency = mInFile.frequency.value_or(mFrequency);
    mStyle = mInFile.style.value_or(mStyle);
    mStereo = mInFile.stereo.value_or(mStereo);
    mWatcher.watch(path);
}

void USB_TavroPref::writePrefs() {
    mSaveTimer.stop();
    const QString path = settings::prefPath();
    const settings::WriteResult result = settings::write(path, mFrequency, mStereo);
    if (result.saved()) {
        mInFile.frequency = mFrequency;
        mInFile.stereo = mStereo;
        mWatcher.watch(path); // the write may have made the folder
    } else {
        host::systemLog("Settings not saved to %s: %s", qUtf8Printable(path),
                        qUtf8Printable(result.problem));
    }
    if (result.problem != mSaveProblem) {
        mSaveProblem = result.problem;
        showStatus();
    }
}

void USB_TavroPref::scheduleSave() {
    // One write once the dial comes to rest: each step of a drag or a key repeat moves the write
    // on, and the timer, started once, waits out what is left. Restarting it a step would
    // register a timer, an allocation, a step.
    mSaveDue.setRemainingTime(sSaveDelayMs);
    if (!mSaveTimer.isActive()) {
        mSaveTimer.start(sSaveDelayMs);
    }
}

void USB_TavroPref::saveWhenDue() {
    if (mSaveDue.hasExpired()) {
        writePrefs();
    } else {
        mSaveTimer.start(static_cast<int>(mSaveDue.remainingTime()));
    }
}

// Takes in what another program wrote: each setting the file now holds that differs from what it
// held when last read or written here. A setting changed here and not yet saved, and not changed
// there, is kept.
void USB_TavroPref::followSettingsFile() {
    const settings::Contents contents = settings::read(settings::prefPath());
    if (contents.state != settings::FileState::Read) {
        return; // gone or unreadable: the next save puts the settings back
    }
    const settings::Stored& now = contents.stored;
    const bool style = now.style && now.style != mInFile.style;
    const bool frequency = now.frequency && now.frequency != mInFile.frequency;
    const bool stereo = now.stereo && now.stereo != mInFile.stereo;
    mInFile = now;
    if (!style && !frequency && !stereo) {
        return;
    }
    mStyle = style ? *now.style : mStyle;
    mFrequency = frequency ? *now.frequency : mFrequency;
    mStereo = stereo ? *now.stereo : mStereo;
    showSettings();
    sendSettingsToDevice();
}
