#include "pane/USB_TavroPref.h"

#include "device/FailureText.h"
#include "device/xr_device.h"
#include "dial/xr_tunerCtl.h"
#include "host/InterfaceLoader.h"
#include "host/NotificationCenter.h"
#include "host/Printable.h"
#include "host/RadioMatrix.h"
#include "host/SystemLog.h"

#include <QFontMetrics>

#include <algorithm>

namespace {

constexpr int sMonoTag = 1;
constexpr int sStereoTag = 2;
// The transmitter's power level; the pane offers no other.
constexpr SInt32 sPower = 1;

} // namespace

USB_TavroPref::USB_TavroPref(host::Bundle inBundle, device::DeviceServices& inServices,
                             QObject* inParent)
    : PreferencePane(std::move(inBundle), inParent), mServices(inServices) {
    mSaveTimer.setSingleShot(true);
    connect(&mSaveTimer, &QTimer::timeout, this, &USB_TavroPref::saveWhenDue);
    connect(&mWatcher, &settings::Watcher::changed, this, &USB_TavroPref::followSettingsFile);
}

USB_TavroPref::~USB_TavroPref() {
    host::NotificationCenter::defaultCenter().removeObserver(this);
}

void USB_TavroPref::registerInterfaceClasses(host::InterfaceLoader& inLoader) {
    inLoader.registerClass<xr_tunerCtl>("xr_tunerCtl");
}

void USB_TavroPref::mainViewDidLoad() {
    mFrequency = 88100;
    mStereo = true;
    host::NotificationCenter::defaultCenter().addObserver(this, &USB_TavroPref::connectionEvent,
                                                          gConnectionNotification, nullptr);
    host::NotificationCenter::defaultCenter().addObserver(this, &USB_TavroPref::statusEvent,
                                                          gStatusNotification, nullptr);
    readPrefs();

    showStereo();
    if (mTunerCtl != nullptr) {
        mTunerCtl->finishInitWithBundle(bundle());
        mTunerCtl->setWheelTarget(this, host::Selector("handleFreqWheel"));
    }
    showTuning();
    if (differsFromFile()) {
        scheduleSave(); // what the dial corrected is what plays
    }
    if (mHWVersField != nullptr) {
        mHWVersField->setText(tr("Hardware version: unknown"));
    }
    reserveRoom();

    // A transmitter that is already plugged in is adopted, and announced, inside start.
    mDevice = std::make_unique<xr_device>(mServices);
    mDevice->start();

    showBundleVersion();
    showStatus();
    setInitialKeyView(mTunerCtl);
    host::systemLog("mainViewDidLoad");
}

void USB_TavroPref::showSettings() {
    showStereo();
    showTuning();
}

void USB_TavroPref::showStereo() {
    if (mStereoCtl != nullptr) {
        mStereoCtl->selectCellWithTag(mStereo ? sStereoTag : sMonoTag);
    }
}

void USB_TavroPref::showTuning() {
    if (mTunerCtl != nullptr) {
        // The band first, so that the frequency is checked against the band from the file.
        mTunerCtl->setTuningStyle(mStyle);
        mTunerCtl->setFrequency(mFrequency);
        // What the dial shows is what the transmitter gets: a stored frequency outside the band
        // is taken as the dial corrected it.
        mFrequency = mTunerCtl->frequency();
    }
    // The dial keeps its band for a style it does not know.
    if (settings::isKnownStyle(mStyle)) {
        mBandStyle = mStyle;
    }
}

// The fields take the room of the longest text they can show, so that plugging the transmitter in
// and out never resizes the window or moves anything in it: the hardware version its widest, the
// status line four lines as wide as the pane.
void USB_TavroPref::reserveRoom() {
    constexpr int sStatusLines = 4;
    if (mStatusField != nullptr) {
        mStatusField->setSizePolicy(QSizePolicy::Ignored, QSizePolicy::Fixed);
        mStatusField->setFixedHeight(sStatusLines *
                                     QFontMetrics(mStatusField->font()).lineSpacing());
    }
    if (mHWVersField == nullptr) {
        return;
    }
    const QFontMetrics metrics(mHWVersField->font());
    int widestDigit = 0;
    for (const char digit : QByteArray("0123456789abcdef")) {
        widestDigit = std::max(widestDigit, metrics.horizontalAdvance(QLatin1Char(digit)));
    }
    const int known =
        metrics.horizontalAdvance(tr("Hardware version: %1").arg(QString())) + 4 * widestDigit;
    const int unknown = metrics.horizontalAdvance(mHWVersField->text());
    mHWVersField->setMinimumWidth(std::max(known, unknown));
}

void USB_TavroPref::showBundleVersion() {
    const auto info = bundle().infoDictionary();
    if (!info) {
        return; // the fields keep the interface file's text
    }
    const QString version = info->stringValue("CFBundleVersion").value_or("???");
    const QString build = info->stringValue("BuildVersion").value_or("???");
    if (mVersionField != nullptr) {
        mVersionField->setText(tr("version %1 (%2)").arg(version, build));
    }
    if (mDateField != nullptr) {
        const QString date = info->stringValue("BuildDate").value_or(QString());
        mDateField->setText(date);
        // A bare date says nothing to a screen reader's user.
        mDateField->setAccessibleName(date.isEmpty() ? QString() : tr("Build date: %1").arg(date));
    }
}

void USB_TavroPref::didUnselect() {
    writePrefs();
}

void USB_TavroPref::handleFreqWheel(QObject*) {
    if (mTunerCtl != nullptr) {
        mFrequency = mTunerCtl->frequency();
    }
    sendSettingsToDevice();
    scheduleSave();
}

void USB_TavroPref::handleStereoControl(QObject*) {
    const int tag = mStereoCtl != nullptr ? host::RadioMatrix::tag(mStereoCtl->selectedCell()) : 0;
    mStereo = tag == sStereoTag;
    sendSettingsToDevice();
    scheduleSave();
}

void USB_TavroPref::connectionEvent(const host::Notification&) {
    mConnected = mDevice != nullptr && mDevice->connected();
    showHardwareVersion();
    if (mTunerCtl != nullptr) {
        mTunerCtl->setConnected(mConnected);
        mTunerCtl->setFrequency(mFrequency);
    }
    if (mConnected) {
        sendSettingsToDevice();
    }
    showStatus();
}

void USB_TavroPref::statusEvent(const host::Notification&) {
    // A transmitter that could not take the last report says when it can take one again.
    if (mConnected && mDevice->reportWanted()) {
        sendSettingsToDevice();
    }
    showStatus();
}

void USB_TavroPref::showStatus() {
    if (mStatusField == nullptr) {
        return;
    }
    QStringList lines;
    if (const QString trouble = deviceTrouble(); !trouble.isEmpty()) {
        lines << trouble;
    }
    if (!mSaveProblem.isEmpty()) {
        lines << tr("The settings could not be saved to %1: %2.")
                     .arg(settings::prefPath(), mSaveProblem);
    }
    if (!mSaveNote.isEmpty()) {
        lines << mSaveNote;
    }
    mStatusField->setText(lines.join('\n'));
}

QString USB_TavroPref::deviceTrouble() const {
    if (mDevice == nullptr) {
        return {};
    }
    const device::Failure& failure = mConnected ? mDevice->reportFailure() : mDevice->refusal();
    if (failure.failed()) {
        // The words the command-line tool uses, as a sentence of their own.
        return host::sentence(device::failureText(failure, device::programUdevRuleFiles()));
    }
    if (mConnected) {
        return {};
    }
    const QString plugIn = tr("Plug in the transmitter.");
    return mPlugInHint.isEmpty() ? plugIn : plugIn + " " + mPlugInHint;
}

void USB_TavroPref::showHardwareVersion() {
    if (mHWVersField == nullptr) {
        return;
    }
    if (!mConnected) {
        mHWVersField->setText(tr("Hardware version: unknown"));
        return;
    }
    mHWVersField->setText(
        tr("Hardware version: %1").arg(mDevice->hardwareVersion(), 4, 16, QLatin1Char('0')));
}

void USB_TavroPref::tuneTo(int inFreqkHz, bool inStereo, int inStyle) {
    mStyle = inStyle;
    mFrequency = inFreqkHz;
    mStereo = inStereo;
    showSettings();
    sendSettingsToDevice();
    scheduleSave();
}

void USB_TavroPref::sendSettingsToDevice() {
    if (mDevice != nullptr) {
        mDevice->setFrequency(mFrequency, sPower, mStereo);
    }
}
