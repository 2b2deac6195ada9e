#include "device/Transmitters.h"

#include "device/TransmitterIDs.h"

#include <thread>

namespace device {

namespace {

// How often a node that may not be written to yet is tried again.
constexpr std::chrono::milliseconds sAccessRetry{25};

} // namespace

std::unique_ptr<MatchingDictionary> transmitterMatching(DeviceServices& inServices) {
    std::unique_ptr<MatchingDictionary> matching = inServices.IOServiceMatching(kHIDDeviceClass);
    if (matching) {
        matching->setObject(kProductIDKey, sTransmitterProductID);
        matching->setObject(kVendorIDKey, sTransmitterVendorID);
    }
    return matching;
}

Transmitters::Transmitters(DeviceServices& inServices) : mServices(inServices) {
    std::unique_ptr<MatchingDictionary> matching = transmitterMatching(mServices);
    io_iterator_t iterator = IO_OBJECT_NULL;
    mSearch.status = matching
                         ? mServices.IOServiceGetMatchingServices(std::move(matching), &iterator)
                         : kIOReturnError;
    if (mSearch.failed()) {
        return;
    }
    while (const io_service_t service = mServices.IOIteratorNext(iterator)) {
        Transmitter transmitter;
        PropertyDictionary properties;
        if (mServices.IORegistryEntryCreateCFProperties(service, &properties) == kIOReturnSuccess) {
            transmitter.hardwareVersion =
                xr_device::getIDWithDictionary(properties, kVersionNumberKey);
            if (const std::string* node = deviceNode(properties)) {
                transmitter.node = *node;
            }
        } else {
            transmitter.hardwareVersion = 0xFFFF;
        }
        std::unique_ptr<IOCFPlugInInterface> plugIn;
        SInt32 score = 0;
        if (mServices.IOCreatePlugInInterfaceForService(service, kIOHIDDeviceUserClientTypeID,
                                                        kIOCFPlugInInterfaceID, &plugIn,
                                                        &score) != kIOReturnSuccess) {
            transmitter.access = mServices.lastPlugInFailure();
            transmitter.access.node = transmitter.node.value_or(std::string());
        }
        mHeld.push_back(service);
        mFound.push_back(std::move(transmitter));
    }
    mServices.IOObjectRelease(iterator);
}

Transmitters::~Transmitters() {
    for (const io_service_t service : mHeld) {
        mServices.IOObjectRelease(service);
    }
}

std::optional<std::size_t> Transmitters::firstUsable() const {
    for (std::size_t i = 0; i < mFound.size(); ++i) {
        if (!mFound[i].access.failed()) {
            return i;
        }
    }
    return std::nullopt;
}

Failure Transmitters::send(std::size_t inIndex, const TuningReport& inReport,
                           std::chrono::milliseconds inAccessWait) {
    const auto deadline = std::chrono::steady_clock::now() + inAccessWait;
    const std::string node = mFound.at(inIndex).node.value_or(std::string());
    std::unique_ptr<IOCFPlugInInterface> plugIn;
    SInt32 score = 0;
    IOReturn status = kIOReturnSuccess;
    while ((status = mServices.IOCreatePlugInInterfaceForService(
                mHeld[inIndex], kIOHIDDeviceUserClientTypeID, kIOCFPlugInInterfaceID, &plugIn,
                &score)) == kIOReturnNotPrivileged &&
           std::chrono::steady_clock::now() < deadline) {
        std::this_thread::sleep_for(sAccessRetry);
    }
    Failure failure;
    if (status != kIOReturnSuccess) {
        failure = mServices.lastPlugInFailure();
    } else {
        IOHIDDeviceInterface* hid = nullptr;
        status = plugIn->QueryInterface(kIOHIDDeviceInterfaceID, &hid);
        if (status != kIOReturnSuccess) {
            failure.status = status;
        } else {
            IOReturn written = kIOReturnSuccess;
            openWriteClose(*hid, inReport.data(), &written, &failure);
            hid->Release();
        }
    }
    failure.node = node;
    return failure;
}

} // namespace device
