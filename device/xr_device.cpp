#include "device/xr_device.h"

#include "device/TransmitterIDs.h"
#include "host/NotificationCenter.h"
#include "host/SystemLog.h"

#include <cstdio>

const QLatin1String gConnectionNotification("xr_connection_notification");
const QLatin1String gStatusNotification("xr_status_notification");

namespace {

unsigned hex(IOReturn inStatus) {
    return static_cast<unsigned>(inStatus);
}

} // namespace

xr_device::xr_device(device::DeviceServices& inServices, QObject* inParent)
    : QObject(inParent), mServices(inServices) {
}

xr_device::~xr_device() {
    forgetRefused();
    if (mHIDInterface != nullptr) {
        mHIDInterface->Release();
    }
    if (mDeviceConnected) {
        mServices.IOObjectRelease(mDevNotification);
        mServices.IOObjectRelease(mUSBDevice);
    }
    if (mDeviceIterator != IO_OBJECT_NULL) {
        mServices.IOObjectRelease(mDeviceIterator);
    }
    if (mNotifyPort != nullptr) {
        mServices.IONotificationPortDestroy(mNotifyPort);
    }
}

IOReturn xr_device::start() {
    // The port is created only by a first call; a second would replace the registrations.
    if (mNotifyPort != nullptr) {
        return kIOReturnError;
    }
    std::unique_ptr<MatchingDictionary> matchingDict = mServices.IOServiceMatching(kHIDDeviceClass);
    if (!matchingDict) {
        host::systemLog("IOServiceMatching failed File %s Line %d", __FILE__, __LINE__);
        return kIOReturnError;
    }
    matchingDict->setObject(kProductIDKey, sTransmitterProductID);
    matchingDict->setObject(kVendorIDKey, sTransmitterVendorID);

    mNotifyPort = mServices.IONotificationPortCreate();
    const IOReturn result = mServices.IOServiceAddMatchingNotification(
        mNotifyPort, kIOFirstMatchNotification, std::move(matchingDict), DeviceAdded, this,
        &mDeviceIterator);
    if (result != kIOReturnSuccess) {
        host::systemLog("IOServiceAddMatchingNotification failed File %s Line %d - result %08x",
                        __FILE__, __LINE__, hex(result));
        return result;
    }

    // Adopts a transmitter that is present already and empties the iterator, which arms the
    // registration; only then may arrivals be delivered.
    DeviceAdded(this, mDeviceIterator);

    CFRunLoopSourceRef runLoopSource = mServices.IONotificationPortGetRunLoopSource(mNotifyPort);
    mServices.CFRunLoopAddSource(runLoopSource);
    return kIOReturnSuccess;
}

UInt16 xr_device::getIDWithDictionary(const PropertyDictionary& properties, const char* IDkey) {
    SInt16 retVal = 0;
    const PropertyValue* value = CFDictionaryGetValue(properties, IDkey);
    if (value == nullptr) {
        return 0xFFFF;
    }
    if (!CFNumberGetValue(*value, &retVal)) {
        return 0xFFFE;
    }
    return static_cast<UInt16>(retVal);
}

IOReturn xr_device::configureDevice(io_service_t inDevice) {
    IOReturn result = kIOReturnSuccess;
    if (mDeviceConnected) {
        return result;
    }

    // Destroyed when this returns, on every path, after the observers have run.
    std::unique_ptr<IOCFPlugInInterface> iodev;
    SInt32 score = 0;
    device::Failure plugIn = mServices.IOCreatePlugInInterfaceForService(
        inDevice, kIOHIDDeviceUserClientTypeID, kIOCFPlugInInterfaceID, &iodev, &score);
    result = plugIn.status;
    if (result != kIOReturnSuccess) {
        host::systemLog("IOCreatePlugInInterfaceForService failed File %s Line %d - result %08x",
                        __FILE__, __LINE__, hex(result));
        return refuse(inDevice, std::move(plugIn));
    }

    IOHIDDeviceInterface* hidDeviceInterface = nullptr;
    result = iodev->QueryInterface(kIOHIDDeviceInterfaceID, &hidDeviceInterface);
    if (result != kIOReturnSuccess) {
        host::systemLog("(*iodev)->QueryInterface failed File %s Line %d - result %08x", __FILE__,
                        __LINE__, hex(result));
        return refuse(inDevice, {.status = result});
    }

    PropertyDictionary properties;
    result = mServices.IORegistryEntryCreateCFProperties(inDevice, &properties);
    if (result != kIOReturnSuccess) {
        host::systemLog("IORegistryEntryCreateCFProperties failed File %s Line %d - result %08x",
                        __FILE__, __LINE__, hex(result));
        hidDeviceInterface->Release();
        return refuse(inDevice, {.status = result});
    }

    result = mServices.IOServiceAddInterestNotification(
        mNotifyPort, inDevice, kIOGeneralInterest, DeviceNotification, this, &mDevNotification);
    if (result != kIOReturnSuccess) {
        host::systemLog("IOServiceAddInterestNotification failed File %s Line %d - result %08x",
                        __FILE__, __LINE__, hex(result));
        hidDeviceInterface->Release();
        return refuse(inDevice, {.status = result});
    }

    // Everything is stored before observers run, so they may send a report at once.
    mDeviceConnected = true;
    mUSBDevice = inDevice;
    mHIDInterface = hidDeviceInterface;
    mHWVers = getIDWithDictionary(properties, kVersionNumberKey);
    mReportFailure = {};
    mReportWanted = false;
    forgetRefused();
    postConnectionNotification();
    return result;
}

void xr_device::deviceDisconnected(io_service_t inDevice) {
    if (!mDeviceConnected || inDevice != mUSBDevice) {
        return;
    }
    if (mHIDInterface != nullptr) {
        mHIDInterface->Release();
        mHIDInterface = nullptr;
    }
    mReportFailure = {};
    mReportWanted = false;
    mUSBDevice = IO_OBJECT_NULL;
    mDeviceConnected = false;
    postConnectionNotification();

    mServices.IOObjectRelease(mDevNotification);
    mServices.IOObjectRelease(inDevice);
}

IOReturn xr_device::sendUSBReport(const UInt8* inReport) {
    if (!mDeviceConnected) {
        return kIOReturnSuccess;
    }
    reportWent(openWriteClose(inReport));
    return mReportFailure.status;
}

device::Failure xr_device::openWriteClose(const UInt8* inReport) {
    // A transmitter that has gone is torn down by the removal message that follows.
    device::Failure opened = mHIDInterface->open(kIOHIDOptionsTypeNone);
    if (opened.failed()) {
        return opened;
    }
    device::Failure written = mHIDInterface->setReport(kIOHIDReportTypeOutput, 0, inReport,
                                                       sReportSize, sReportTimeoutMS);
    device::Failure closed = mHIDInterface->close();
    return written.failed() ? written : closed;
}

void xr_device::setFrequency(SInt32 inFreqkHz, SInt32 inPower, bool inStereo) {
    if (!mDeviceConnected) {
        return;
    }
    if (const std::optional<TuningReport> report = tuningReport(inFreqkHz, inPower, inStereo)) {
        sendUSBReport(report->data());
    } else {
        reportWent({.status = kIOReturnBadArgument});
    }
}

void xr_device::reportWent(device::Failure inFailure) {
    const bool changed = inFailure != mReportFailure || mReportWanted;
    mReportFailure = std::move(inFailure);
    mReportWanted = false;
    if (changed) {
        postStatusNotification();
    }
}

IOReturn xr_device::refuse(io_service_t inDevice, device::Failure inFailure) {
    forgetRefused();
    // Watched, so that its trouble is not shown once it has gone.
    if (mServices.IOServiceAddInterestNotification(mNotifyPort, inDevice, kIOGeneralInterest,
                                                   DeviceNotification, this,
                                                   &mRefusedNotification) == kIOReturnSuccess) {
        mRefusedDevice = inDevice;
    }
    mRefusal = std::move(inFailure);
    postStatusNotification();
    return mRefusal.status;
}

void xr_device::forgetRefused() {
    if (mRefusedNotification != IO_OBJECT_NULL) {
        mServices.IOObjectRelease(mRefusedNotification);
    }
    mRefusedNotification = IO_OBJECT_NULL;
    mRefusedDevice = IO_OBJECT_NULL;
    mRefusal = {};
}

void xr_device::deviceMessage(io_service_t inDevice, natural_t inMessageType) {
    // Of a transmitter not taken up, only its removal counts.
    if (inDevice == mRefusedDevice) {
        if (inMessageType == kIOMessageServiceIsTerminated) {
            forgetRefused();
            postStatusNotification();
        }
        return;
    }
    if (inMessageType == kIOMessageServiceIsTerminated) {
        return;
    }
    if (inMessageType == kIOMessageServiceIsResumed) {
        if (mDeviceConnected && inDevice == mUSBDevice && mReportFailure.failed()) {
            mReportWanted = true;
            postStatusNotification();
        }
        return;
    }
    std::printf("Received message from device %08x\n", inMessageType);
    std::fflush(stdout);
}

void xr_device::postConnectionNotification() {
    host::NotificationCenter::defaultCenter().postNotificationName(gConnectionNotification, this);
}

void xr_device::postStatusNotification() {
    host::NotificationCenter::defaultCenter().postNotificationName(gStatusNotification, this);
}

void DeviceAdded(void* inRefCon, io_iterator_t inIterator) {
    auto* link = static_cast<xr_device*>(inRefCon);
    device::DeviceServices& services = link->services();
    while (const io_service_t obj = services.IOIteratorNext(inIterator)) {
        // A service offered while a transmitter is connected is passed over, and so is one
        // that fails to configure; the adopted one's reference passes to the link.
        const bool wasConnected = link->connected();
        if (link->configureDevice(obj) != kIOReturnSuccess || wasConnected) {
            services.IOObjectRelease(obj);
        }
    }
}

void DeviceNotification(void* inRefCon, io_service_t inService, natural_t inMessageType,
                        void* /*inMessageArgument*/) {
    auto* link = static_cast<xr_device*>(inRefCon);
    switch (inMessageType) {
    case kIOMessageServiceIsTerminated:
        link->deviceDisconnected(inService);
        link->deviceMessage(inService, inMessageType);
        break;
    case kIOMessageServiceIsAttemptingOpen:
    case kIOMessageServiceWasClosed:
        break;
    default:
        link->deviceMessage(inService, inMessageType);
        break;
    }
}
