#pragma once

#include "dial/xr_tunerCtl.h"
#include "host/PreferencePane.h"
#include "host/RadioMatrix.h"
#include "host/Types.h"

#include <QLabel>

#include <memory>

class xr_device;

namespace device {
class DeviceServices;
}
namespace host {
struct Notification;
}

// The pane's controller: restores the settings into the dial, sends every dial move and stereo
// change to the transmitter, shows the transmitter's hardware version and sends it the current
// settings when it is plugged in, and saves the settings when the pane is deselected.
class USB_TavroPref : public host::PreferencePane {
    Q_OBJECT
    // Outlets, connected by object name when the interface file is loaded. The view hierarchy
    // owns what they point to.
    Q_PROPERTY(xr_tunerCtl* mTunerCtl MEMBER mTunerCtl)
    Q_PROPERTY(host::RadioMatrix* mStereoCtl MEMBER mStereoCtl)
    Q_PROPERTY(QLabel* mVersionField MEMBER mVersionField)
    Q_PROPERTY(QLabel* mDateField MEMBER mDateField)
    Q_PROPERTY(QLabel* mHWVersField MEMBER mHWVersField)
    Q_PROPERTY(QLabel* mLogoView MEMBER mLogoView)
public:
    // The transmitter is reached through inServices, which must outlive the pane.
    USB_TavroPref(host::Bundle inBundle, device::DeviceServices& inServices,
                  QObject* inParent = nullptr);
    ~USB_TavroPref() override;

    void mainViewDidLoad() override;
    void didUnselect() override;
    void readPrefs();
    void writePrefs();

    Q_INVOKABLE void handleFreqWheel(QObject* inSender);
    Q_INVOKABLE void handleStereoControl(QObject* inSender);
    void connectionEvent(const host::Notification& inNotification);
    void sendSettingsToDevice();

    SInt32 frequency() const { return mFrequency; }
    SInt32 tuningStyle() const { return mStyle; }
    bool stereo() const { return mStereo; }
    bool connected() const { return mConnected; }
    xr_device* device() const { return mDevice.get(); }

protected:
    void registerInterfaceClasses(host::InterfaceLoader& inLoader) override;

private:
    void showHardwareVersion();
    void reserveHardwareVersionWidth();
    void showBundleVersion();

    xr_tunerCtl* mTunerCtl = nullptr;
    host::RadioMatrix* mStereoCtl = nullptr;
    QLabel* mVersionField = nullptr;
    QLabel* mDateField = nullptr;
    QLabel* mHWVersField = nullptr;
    QLabel* mLogoView = nullptr; // shown, never touched
    std::unique_ptr<xr_device> mDevice;
    SInt32 mFrequency = 88100;
    SInt32 mStyle = 0;
    bool mStereo = true;
    bool mConnected = false;

    device::DeviceServices& mServices;
};
