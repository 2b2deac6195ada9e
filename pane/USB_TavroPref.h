#pragma once

#include "dial/xr_tunerCtl.h"
#include "host/PreferencePane.h"
#include "host/RadioMatrix.h"
#include "host/Types.h"
#include "settings/Settings.h"
#include "settings/SettingsLock.h"
#include "settings/SharedFile.h"
#include "settings/Watcher.h"

#include <QDeadlineTimer>
#include <QLabel>
#include <QTimer>

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
// settings when it is plugged in, and saves the settings soon after each change and when the
// pane is deselected. It follows the settings file as other programs change it, and says in its
// status line what keeps the transmitter or the file from getting the settings.
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
    Q_PROPERTY(QLabel* mStatusField MEMBER mStatusField)
    // What the status line adds to "Plug in the transmitter", set by the program that shows the
    // pane (the simulated transmitter's menu, say).
    Q_PROPERTY(QString plugInHint MEMBER mPlugInHint)
    // What plays, for the program's menus: the frequency (kHz), the stereo choice, and the band
    // in force (the style whose band the dial uses).
    Q_PROPERTY(int frequency READ frequency)
    Q_PROPERTY(bool stereo READ stereo)
    Q_PROPERTY(int bandStyle READ bandStyle)
public:
    // The transmitter is reached through inServices, which must outlive the pane.
    USB_TavroPref(host::Bundle inBundle, device::DeviceServices& inServices,
                  QObject* inParent = nullptr);
    ~USB_TavroPref() override;

    void mainViewDidLoad() override;
    void didUnselect() override;
    bool settingsSaved() const override { return mSaveProblem.isEmpty(); }
    void readPrefs();
    void writePrefs();

    Q_INVOKABLE void handleFreqWheel(QObject* inSender);
    Q_INVOKABLE void handleStereoControl(QObject* inSender);
    void connectionEvent(const host::Notification& inNotification);
    void statusEvent(const host::Notification& inNotification);
    void sendSettingsToDevice();
    // Tunes as a menu asks (a typed frequency, a station, a band): the band of inStyle, the
    // frequency moved into it as the dial moves it, sent at once and saved soon.
    Q_INVOKABLE void tuneTo(int inFreqkHz, bool inStereo, int inStyle);

    SInt32 frequency() const { return mFrequency; }
    SInt32 tuningStyle() const { return mStyle; }
    SInt32 bandStyle() const { return mBandStyle; }
    bool stereo() const { return mStereo; }
    bool connected() const { return mConnected; }
    xr_device* device() const { return mDevice.get(); }

    // How soon after a change the settings are saved.
    static constexpr int sSaveDelayMs = 300;

protected:
    void registerInterfaceClasses(host::InterfaceLoader& inLoader) override;

private:
    void showSettings();
    void showStereo();
    void showTuning();
    void showHardwareVersion();
    void reserveRoom();
    void showBundleVersion();
    void showStatus();
    QString deviceTrouble() const;
    void scheduleSave();
    void saveWhenDue();
    void saveInTurn();
    void save(bool inClosing);
    void followSettingsFile();
    bool takeIn(const settings::Stored& inChanged);
    std::optional<SInt32> styleToSave() const;
    bool differsFromFile() const;

    xr_tunerCtl* mTunerCtl = nullptr;
    host::RadioMatrix* mStereoCtl = nullptr;
    QLabel* mVersionField = nullptr;
    QLabel* mDateField = nullptr;
    QLabel* mHWVersField = nullptr;
    QLabel* mLogoView = nullptr; // shown, never touched
    QLabel* mStatusField = nullptr;
    std::unique_ptr<xr_device> mDevice;
    SInt32 mFrequency = 88100;
    SInt32 mStyle = 0;
    bool mStereo = true;
    bool mConnected = false;
    SInt32 mBandStyle = 0; // the last style of a known band given the dial: the band it uses

    device::DeviceServices& mServices;
    QString mPlugInHint;
    QTimer mSaveTimer;
    QDeadlineTimer mSaveDue;
    QString mSaveProblem;       // why the last save failed; empty when it did not
    QString mSaveNote;          // what the last save kept aside, in a line
    settings::SharedFile mFile; // what the file held when it was last read or written
    settings::Watcher mWatcher;
    settings::LockedTurns mTurns;
    bool mSaveWaiting = false; // a save waits for its turn
    bool mSettling = false;    // a save waits for an unreadable file to settle
};
