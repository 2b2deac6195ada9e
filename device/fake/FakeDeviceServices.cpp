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
        return fail({.status = mServices.mOpenStatus});
    }

    IOReturn close() override {
        mServices.mHIDCalls.push_back(HIDCall{.kind = HIDCall::Close, .device = mDevice});
        return fail({.status = mServices.mCloseStatus});
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
        return fail({.status = mServices.mSetReportStatus});
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

IOReturn FakeDeviceServices::failureFor(Call inCall) const {
    return mFailingCall == inCall ? mFailure : kIOReturnSuccess;
}

void FakeDeviceServices::plug(Device inDevice) {
    RegistryEntry entry{inDevice.name, inDevice.serviceClass, {}};
    entry.properties[kVendorIDKey] = inDevice.vendorID;
    entry.properties[kProductIDKey] = inDevice.productID;
    if (inDevice.versionNumber) {
        entry.properties[kVersionNumberKey] = *inDevice.versionNumber;
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

Failure FakeDeviceServices::makeInterfaceFactory(const RegistryEntry& inEntry,
                                                 HIDInterfaceFactory* outFactory) {
    *outFactory = [this, name = inEntry.key](IOHIDDeviceInterface** outInterface) {
        *outInterface = new Interface(*this, name);
        return kIOReturnSuccess;
    };
    return {};
}

} // namespace device
