#include "device/fake/FakeDeviceServices.h"

namespace device {

// Records every call in its services and answers with the statuses they were told to give.
class FakeDeviceServices::Interface final : public CountedHIDInterface {
public:
    Interface(FakeDeviceServices& inServices, std::string inDevice)
        : CountedHIDInterface(inServices.tally()), mServices(inServices),
          mDevice(std::move(inDevice)) {}

    IOReturn open(UInt32 inOptions) override {
        mServices.mHIDCalls.push_back(
            HIDCall{.kind = HIDCall::Open, .device = mDevice, .options = inOptions});
        return mServices.mOpenStatus;
    }

    IOReturn close() override {
        mServices.mHIDCalls.push_back(HIDCall{.kind = HIDCall::Close, .device = mDevice});
        return mServices.mCloseStatus;
    }

    IOReturn setReport(IOHIDReportType inReportType, UInt32 inReportID, const UInt8* inReportBuffer,
                       UInt32 inReportBufferSize, UInt32 inTimeoutMS) override {
        mServices.mHIDCalls.push_back(
            HIDCall{.kind = HIDCall::SetReport,
                    .device = mDevice,
                    .reportType = inReportType,
                    .reportID = inReportID,
                    .timeoutMS = inTimeoutMS,
                    .bytes = {inReportBuffer, inReportBuffer + inReportBufferSize}});
        return mServices.mSetReportStatus;
    }

private:
    FakeDeviceServices& mServices;
    std::string mDevice;
};

void FakeDeviceServices::failCall(Call inCall, IOReturn inStatus) {
    mFailingCall = inCall;
    mFailure = inStatus;
}

void FakeDeviceServices::clearFailure() {
    mFailingCall.reset();
    mFailure = kIOReturnSuccess;
}

IOReturn FakeDeviceServices::failure(Call inCall) const {
    return mFailingCall == inCall ? mFailure : kIOReturnSuccess;
}

void FakeDeviceServices::plug(Device inDevice) {
    RegistryEntry entry{inDevice.name, inDevice.serviceClass, {}};
    entry.properties["VendorID"] = inDevice.vendorID;
    entry.properties["ProductID"] = inDevice.productID;
    if (inDevice.versionNumber) {
        entry.properties["VersionNumber"] = *inDevice.versionNumber;
    }
    publish(std::move(entry));
}

void FakeDeviceServices::unplug(const std::string& inName) {
    terminate(inName);
}

void FakeDeviceServices::sendMessage(const std::string& inName, natural_t inMessageType) {
    message(inName, inMessageType);
}

std::vector<std::vector<UInt8>> FakeDeviceServices::reports() const {
    std::vector<std::vector<UInt8>> reports;
    for (const HIDCall& call : mHIDCalls) {
        if (call.kind == HIDCall::SetReport) {
            reports.push_back(call.bytes);
        }
    }
    return reports;
}

std::unique_ptr<MatchingDictionary> FakeDeviceServices::IOServiceMatching(const char* inName) {
    if (failure(Call::IOServiceMatching) != kIOReturnSuccess) {
        return nullptr;
    }
    return ServiceRegistry::IOServiceMatching(inName);
}

IOReturn FakeDeviceServices::IOServiceAddMatchingNotification(
    IONotificationPortRef inPort, const char* inNotificationType,
    std::unique_ptr<MatchingDictionary> inMatching, IOServiceMatchingCallback inCallback,
    void* inRefCon, io_iterator_t* outIterator) {
    if (const IOReturn status = failure(Call::IOServiceAddMatchingNotification)) {
        return status;
    }
    return ServiceRegistry::IOServiceAddMatchingNotification(
        inPort, inNotificationType, std::move(inMatching), inCallback, inRefCon, outIterator);
}

IOReturn FakeDeviceServices::IOCreatePlugInInterfaceForService(
    io_service_t inService, const char* inPluginType, const char* inInterfaceType,
    std::unique_ptr<IOCFPlugInInterface>* outPlugIn, SInt32* outScore) {
    if (const IOReturn status = failure(Call::IOCreatePlugInInterfaceForService)) {
        return status;
    }
    return ServiceRegistry::IOCreatePlugInInterfaceForService(inService, inPluginType,
                                                              inInterfaceType, outPlugIn, outScore);
}

IOReturn FakeDeviceServices::IORegistryEntryCreateCFProperties(io_service_t inEntry,
                                                               PropertyDictionary* outProperties) {
    if (const IOReturn status = failure(Call::IORegistryEntryCreateCFProperties)) {
        return status;
    }
    return ServiceRegistry::IORegistryEntryCreateCFProperties(inEntry, outProperties);
}

IOReturn FakeDeviceServices::IOServiceAddInterestNotification(
    IONotificationPortRef inPort, io_service_t inService, const char* inInterestType,
    IOServiceInterestCallback inCallback, void* inRefCon, io_object_t* outNotification) {
    if (const IOReturn status = failure(Call::IOServiceAddInterestNotification)) {
        return status;
    }
    return ServiceRegistry::IOServiceAddInterestNotification(inPort, inService, inInterestType,
                                                             inCallback, inRefCon, outNotification);
}

IOReturn FakeDeviceServices::makeInterfaceFactory(const RegistryEntry& inEntry,
                                                  HIDInterfaceFactory* outFactory) {
    *outFactory = [this, name = inEntry.key](IOHIDDeviceInterface** outInterface) {
        if (const IOReturn status = failure(Call::QueryInterface)) {
            return status;
        }
        *outInterface = new Interface(*this, name);
        return kIOReturnSuccess;
    };
    return kIOReturnSuccess;
}

} // namespace device
