#pragma once

#include "device/ServiceRegistry.h"
#include "device/TransmitterIDs.h"

#include <optional>
#include <string>
#include <vector>

namespace device {

// Device services driven by a test: devices are plugged, unplugged and sent messages on
// command, any one of the six calls whose failure the link logs can be made to fail, and every
// open, setReport and close on a HID interface is recorded. Callbacks run synchronously inside
// plug, unplug and sendMessage.
class FakeDeviceServices : public ServiceRegistry {
public:
    enum class Call {
        IOServiceMatching,
        IOServiceAddMatchingNotification,
        IOCreatePlugInInterfaceForService,
        QueryInterface,
        IORegistryEntryCreateCFProperties,
        IOServiceAddInterestNotification,
    };

    struct Device {
        std::string name;
        long long vendorID = sTransmitterVendorID;
        long long productID = sTransmitterProductID;
        // No value: the device has no "VersionNumber" property.
        std::optional<PropertyValue> versionNumber = PropertyValue{0x0100LL};
        std::string serviceClass = "IOHIDDevice";
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

    std::unique_ptr<MatchingDictionary> IOServiceMatching(const char* inName) override;
    IOReturn IOServiceAddMatchingNotification(IONotificationPortRef inPort,
                                              const char* inNotificationType,
                                              std::unique_ptr<MatchingDictionary> inMatching,
                                              IOServiceMatchingCallback inCallback, void* inRefCon,
                                              io_iterator_t* outIterator) override;
    IOReturn IOCreatePlugInInterfaceForService(io_service_t inService, const char* inPluginType,
                                               const char* inInterfaceType,
                                               std::unique_ptr<IOCFPlugInInterface>* outPlugIn,
                                               SInt32* outScore) override;
    IOReturn IORegistryEntryCreateCFProperties(io_service_t inEntry,
                                               PropertyDictionary* outProperties) override;
    IOReturn IOServiceAddInterestNotification(IONotificationPortRef inPort, io_service_t inService,
                                              const char* inInterestType,
                                              IOServiceInterestCallback inCallback, void* inRefCon,
                                              io_object_t* outNotification) override;

private:
    class Interface;

    IOReturn makeInterfaceFactory(const RegistryEntry& inEntry,
                                  HIDInterfaceFactory* outFactory) override;
    // The status inCall is to fail with, or success.
    IOReturn failure(Call inCall) const;

    std::optional<Call> mFailingCall;
    IOReturn mFailure = kIOReturnSuccess;
    IOReturn mOpenStatus = kIOReturnSuccess;
    IOReturn mSetReportStatus = kIOReturnSuccess;
    IOReturn mCloseStatus = kIOReturnSuccess;
    std::vector<HIDCall> mHIDCalls;
};

} // namespace device
