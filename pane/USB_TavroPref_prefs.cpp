// The controller's settings: read at start-up, saved soon after each change and when the pane is
// deselected, and followed as other programs change the file.
#include "host/SystemLog.h"
#include "pane/USB_TavroPref.h"
#include "settings/Settings.h"

#include <QTimer>

void USB_TavroPref::readPrefs() {
    const QString path = settings::prefPath();
    const settings::Stored stored = mFile.read(path);
    mFrequency = stored.frequency.value_or(mFrequency);
    mStyle = stored.style.value_or(mStyle);
    mStereo = stored.stereo.value_or(mStereo);
    mWatcher.watch(path);
}

// The program is closing, or the session ending: the save waits for its turn (and for an
// unreadable file to settle) here, for a bounded time.
void USB_TavroPref::writePrefs() {
    mSaveTimer.stop();
    saveInTurn();
    mTurns.finish();
    if (mSettling) {
        mSettling = false;
        save(true);
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
        saveInTurn();
    } else {
        mSaveTimer.start(static_cast<int>(mSaveDue.remainingTime()));
    }
}

// Saves under the settings lock, never waiting for it on the window's thread; one save waiting
// saves whatever the pane holds when its turn comes.
void USB_TavroPref::saveInTurn() {
    if (!mSaveWaiting) {
        mSaveWaiting = true;
        mTurns.run([this] {
            mSaveWaiting = false;
            save(false);
        });
    }
}

// Takes in, first, what another program saved since the file was last read here, as following
// the file does: whenever that program saved, its settings are the ones kept. usb-tavro's save
// comes wholly before the read or after the write; the transmitter hears of what was taken in
// after them, so that it holds up neither. A file that cannot be read may be an editor's, half
// written: it is read again once that would have settled, without stopping the window.
void USB_TavroPref::save(bool inClosing) {
    const QString path = settings::prefPath();
    const settings::Stored news = mFile.read(path, inClosing);
    if (mFile.state() == settings::FileState::Unreadable && !inClosing && !mSettling) {
        mSettling = true;
        QTimer::singleShot(settings::sSettleMs, this, [this] {
            if (mSettling) {
                saveInTurn();
            }
        });
        return;
    }
    mSettling = false;
    const bool tookIn = takeIn(news);
    const settings::WriteResult result = mFile.write(path, mFrequency, mStereo, styleToSave());
    if (result.saved()) {
        mWatcher.watch(path); // the write may have made the folder
    } else {
        host::systemLog("Settings not saved to %s: %s", qUtf8Printable(path),
                        qUtf8Printable(result.logged));
    }
    if (tookIn) {
        sendSettingsToDevice();
    }
    if (result.problem != mSaveProblem || result.note != mSaveNote) {
        mSaveProblem = result.problem;
        mSaveNote = result.note;
        showStatus();
    }
}

void USB_TavroPref::followSettingsFile() {
    if (takeIn(mFile.read(settings::prefPath()))) {
        sendSettingsToDevice();
    }
    if (differsFromFile()) {
        scheduleSave(); // the dial moved what came into its band
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

// The band in force, where usb-tavro apply would take another: apply takes band 0 for a style it
// does not know, while the dial keeps the band it had.
std::optional<SInt32> USB_TavroPref::styleToSave() const {
    const SInt32 saved = mFile.seen().style.value_or(settings::sDefaultStyle);
    const SInt32 applied = settings::isKnownStyle(saved) ? saved : settings::sDefaultStyle;
    return mBandStyle != applied ? std::optional<SInt32>(mBandStyle) : std::nullopt;
}

// The file holds another frequency or band than the one that plays.
bool USB_TavroPref::differsFromFile() const {
    const settings::Stored& seen = mFile.seen();
    return (seen.frequency && *seen.frequency != mFrequency) || styleToSave().has_value();
}
