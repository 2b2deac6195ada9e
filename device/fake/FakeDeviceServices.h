#pragma once

#include "device/ServiceRegistry.h"
#include "device/TransmitterIDs.h"

#include <optional>
#include <string>
#include <vector>

namespace device {

// Device services driven by a test: devices are plugged, unplugged and sent messages on
// command, any one of the six calls whose failure the link logs can be made to fail (through the
// registry's failure hook), and every
// open, setReport and close on a HID interface is recorded. Callbacks run synchronously inside
// plug, unplug and sendMessage.
class FakeDeviceServices : public ServiceRegistry {
public:
    struct Device {
        std::string name;
        long long vendorID = sTransmitterVendorID;
        long long productID = sTransmitterProductID;
        // No value: the device has no version number property.
        std::optional<PropertyValue> versionNumber = PropertyValue{0x0100LL};
        std::string serviceClass = kHIDDeviceClass;
    };

    struct HIDCall {
        enum Kind { Open, SetReport, Close };
        Kind kind = Open;
        std::string device{};
        UInt32 options = 0; // open
        IOHIDReportType reportType = kIOHIDReportTypeInput;
        UInt32 reportID = 0;
        UInt32 timeoutMS = 0;
        std::vector<UInt8> bytes{};
    };

    // inCall fails with inStatus (IOServiceMatching returns null) until clearFailure.
    void failCall(Call inCall, IOReturn inStatus);
    void clearFailure();

    void plug(Device inDevice);
    void unplug(const std::string& inName);
    void sendMessage(const std::string& inName, natural_t inMessageType);

    // Statuses the HID interfaces return; success unless set.
    void failOpen(IOReturn inStatus) { mOpenStatus = inStatus; }
    void failSetReport(IOReturn inStatus) { mSetReportStatus = inStatus; }
    void failClose(IOReturn inStatus) { mCloseStatus = inStatus; }

    const std::vector<HIDCall>& hidCalls() const { return mHIDCalls; }
    // The bytes of every report written, in order.
    std::vector<std::vector<UInt8>> reports() const;
    void clearHIDCalls() { mHIDCalls.clear(); }

private:
    class Interface;

    Failure makeInterfaceFactory(const RegistryEntry& inEntry,
                                 HIDInterfaceFactory* outFactory) override;
    IOReturn failureFor(Call inCall) const override;

    std::optional<Call> mFailingCall;
    IOReturn mFailure = kIOReturnSuccess;
    IOReturn mOpenStatus = kIOReturnSuccess;
    IOReturn mSetReportStatus = kIOReturnSuccess;
    IOReturn mCloseStatus = kIOReturnSuccess;
    std::vector<HIDCall> mHIDCalls;
};

} // namespace device
