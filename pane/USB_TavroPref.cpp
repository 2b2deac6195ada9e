#include "pane/USB_TavroPref.h"

#include "device/xr_device.h"
#include "dial/xr_tunerCtl.h"
#include "host/InterfaceLoader.h"
#include "host/NotificationCenter.h"
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
    readPrefs();

    if (mStereoCtl != nullptr) {
        mStereoCtl->selectCellWithTag(mStereo ? sStereoTag : sMonoTag);
    }
    if (mTunerCtl != nullptr) {
        mTunerCtl->finishInitWithBundle(bundle());
        mTunerCtl->setWheelTarget(this, host::Selector("handleFreqWheel"));
        // The band first, so that the frequency is checked against the band from the file.
        mTunerCtl->setTuningStyle(mStyle);
        mTunerCtl->setFrequency(mFrequency);
        // What the dial shows is what the transmitter gets: a stored frequency outside the band
        // is taken as the dial corrected it.
        mFrequency = mTunerCtl->frequency();
    }
    if (mHWVersField != nullptr) {
        mHWVersField->setText("Hardware version: unknown");
        reserveHardwareVersionWidth();
    }

    // A transmitter that is already plugged in is adopted, and announced, inside start.
    mDevice = std::make_unique<xr_device>(mServices);
    mDevice->start();

    showBundleVersion();
    setInitialKeyView(mTunerCtl);
    host::systemLog("mainViewDidLoad");
}

// The field is as wide as the widest text it can show, so that plugging the transmitter in and
// out never resizes the window or moves anything in it.
void USB_TavroPref::reserveHardwareVersionWidth() {
    const QFontMetrics metrics(mHWVersField->font());
    int widestDigit = 0;
    for (const char digit : QByteArray("0123456789abcdef")) {
        widestDigit = std::max(widestDigit, metrics.horizontalAdvance(QLatin1Char(digit)));
    }
    const int known = metrics.horizontalAdvance("Hardware version: ") + 4 * widestDigit;
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
        mVersionField->setText(QString("version %1 (%2)").arg(version, build));
    }
    if (mDateField != nullptr) {
        mDateField->setText(info->stringValue("BuildDate").value_or(QString()));
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
}

void USB_TavroPref::handleStereoControl(QObject*) {
    const int tag = mStereoCtl != nullptr ? host::RadioMatrix::tag(mStereoCtl->selectedCell()) : 0;
    mStereo = tag == sStereoTag;
    sendSettingsToDevice();
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
}

void USB_TavroPref::showHardwareVersion() {
    if (mHWVersField == nullptr) {
        return;
    }
    if (!mConnected) {
        mHWVersField->setText("Hardware version: unknown");
        return;
    }
    mHWVersField->setText(QString::asprintf("Hardware version: %04x",
                                            static_cast<unsigned>(mDevice->hardwareVersion())));
}

void USB_TavroPref::sendSettingsToDevice() {
    if (mDevice != nullptr) {
        mDevice->setFrequency(mFrequency, sPower, mStereo);
    }
}
