// The controller's settings: read at start-up, saved soon after each change and when the pane is
// deselected, and followed as other programs change the file.
#include "host/SystemLog.h"
#include "pane/USB_TavroPref.h"
#include "settings/FolderLock.h"
#include "settings/Settings.h"

#include <optional>

void USB_TavroPref::readPrefs() {
    const QString path = settings::prefPath();
    const settings::Stored stored = mFile.read(path);
    mFrequency = stored.frequency.value_or(mFrequency);
    mStyle = stored.style.value_or(mStyle);
    mStereo = stored.stereo.value_or(mStereo);
    mWatcher.watch(path);
}

// Takes in, first, what another program saved since the file was last read here, as following
// the file does: whenever that program saved, its settings are the ones kept. usb-tavro's save
// comes wholly before the read or after the write; the transmitter hears of what was taken in
// after them, so that it holds up neither.
void USB_TavroPref::writePrefs() {
    mSaveTimer.stop();
    const QString path = settings::prefPath();
    std::optional<settings::FolderLock> lock(path);
    const bool tookIn = takeIn(mFile.read(path, true));
    const settings::WriteResult result = mFile.write(path, mFrequency, mStereo);
    lock.reset();
    if (result.saved()) {
        mWatcher.watch(path); // the write may have made the folder
    } else {
        host::systemLog("Settings not saved to %s: %s", qUtf8Printable(path),
                        qUtf8Printable(result.problem));
    }
    if (tookIn) {
        sendSettingsToDevice();
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

void USB_TavroPref::followSettingsFile() {
    if (takeIn(mFile.read(settings::prefPath()))) {
        sendSettingsToDevice();
    }
}

// Shows the settings another program changed in the file: each one it changed wins over the
// pane's own, changed here or not; the others are kept. True when there were any.
bool USB_TavroPref::takeIn(const settings::Stored& inChanged) {
    if (!inChanged.style && !inChanged.frequency && !inChanged.stereo) {
        return false;
    }
    mStyle = inChanged.style.value_or(mStyle);
    mFrequency = inChanged.frequency.value_or(mFrequency);
    mStereo = inChanged.stereo.value_or(mStereo);
    showSettings();
    return true;
}
