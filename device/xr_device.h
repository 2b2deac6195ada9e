#pragma once

#include "device/DeviceServices.h"
#include "device/Failure.h"
#include "device/TuningReport.h"
#include "host/Types.h"

#include <QLatin1String>
#include <QObject>

// The name of the notification the link posts, with itself as the object, after each adoption
// and each removal of the transmitter.
extern const QLatin1String gConnectionNotification;
// The name of the notification the link posts, with itself as the object, when what it knows of
// the transmitter's trouble changes: one it could not take up, a report that did not get
// through, a transmitter that can take a report again after one did not.
extern const QLatin1String gStatusNotification;

// The link to the USB FM transmitter: watches the device registry for it, adopts the first one
// that turns up, follows its removal, reports its hardware version and sends it tuning reports.
// Runs on the thread that calls start. The device services must outlive the link.
class xr_device : public QObject {
    Q_OBJECT
public:
    // Nothing is registered until start.
    explicit xr_device(device::DeviceServices& inServices, QObject* inParent = nullptr);
    // Gives back everything the link holds, without a notification.
    ~xr_device() override;
    xr_device(const xr_device&) = delete;
    xr_device& operator=(const xr_device&) = delete;

    // Watches for the transmitter and adopts one that is already plugged in before returning.
    // Called once: a call after one that got as far as creating the port is refused with
    // kIOReturnError and changes nothing.
    IOReturn start();
    // The property as an unsigned 16-bit value: 0xFFFF when missing, 0xFFFE when it is no
    // signed 16-bit number.
    static UInt16 getIDWithDictionary(const PropertyDictionary& properties, const char* IDkey);
    // Adopts inDevice unless a transmitter is connected already. Posts the notification on
    // adoption; a failing step logs one line and leaves nothing held.
    IOReturn configureDevice(io_service_t inDevice);
    // Drops the adopted transmitter and posts the notification.
    void deviceDisconnected(io_service_t inDevice);

    // Opens the transmitter, writes the 6-byte report and closes it, whatever the write did, as
    // reportFailure then tells: kIOReturnSuccess when none is connected, else the status of the
    // first of the three that failed.
    IOReturn sendUSBReport(const UInt8* inReport);
    // Sends the tuning report for the frequency, power level and stereo choice. A frequency
    // whose 100 kHz count does not fit the report's 11-bit field sends nothing and fails with
    // kIOReturnBadArgument.
    void setFrequency(SInt32 inFreqkHz, SInt32 inPower, bool inStereo);

    bool connected() const { return mDeviceConnected; }
    UInt16 hardwareVersion() const { return mHWVers; }

    // Why the last transmitter that arrived could not be taken up, while none is connected and
    // that one is still plugged in, with its device node when its backend has one; nothing
    // failed otherwise.
    const device::Failure& refusal() const { return mRefusal; }
    // What became of the last report sent to the connected transmitter.
    const device::Failure& reportFailure() const { return mReportFailure; }
    // The last report did not get through, and the transmitter has since said it can take one.
    bool reportWanted() const { return mReportWanted; }
    // Handles the interest messages: a refused transmitter's removal, a connected one's resume;
    // others are printed.
    void deviceMessage(io_service_t inDevice, natural_t inMessageType);
    // The device services the link runs on.
    device::DeviceServices& services() const { return mServices; }

private:
    void postConnectionNotification();
    void postStatusNotification();
    // Remembers why inDevice could not be taken up, watching for its removal; returns its status.
    IOReturn refuse(io_service_t inDevice, device::Failure inFailure);
    void forgetRefused();
    // Opens the transmitter, writes the report and closes it, whatever the write did: the first
    // of the three that failed, or nothing.
    device::Failure openWriteClose(const UInt8* inReport);
    // Remembers what became of a report, telling when that changed or one was wanted.
    void reportWent(device::Failure inFailure);

    io_service_t mUSBDevice = IO_OBJECT_NULL;
    io_iterator_t mDeviceIterator = IO_OBJECT_NULL;
    io_object_t mDevNotification = IO_OBJECT_NULL;
    IONotificationPortRef mNotifyPort = nullptr;
    IOHIDDeviceInterface* mHIDInterface = nullptr;
    UInt16 mHWVers = 0;
    bool mDeviceConnected = false;
    io_service_t mRefusedDevice = IO_OBJECT_NULL; // compared only
    io_object_t mRefusedNotification = IO_OBJECT_NULL;
    device::Failure mRefusal;
    device::Failure mReportFailure;
    bool mReportWanted = false;
    device::DeviceServices& mServices;
};

// The arrival callback: offers every service of the iterator to the link in inRefCon and
// releases those it does not adopt, leaving the iterator empty.
void DeviceAdded(void* inRefCon, io_iterator_t inIterator);
// The interest callback for the adopted service.
void DeviceNotification(void* inRefCon, io_service_t inService, natural_t inMessageType,
                        void* inMessageArgument);
