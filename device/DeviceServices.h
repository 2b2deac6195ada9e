#pragma once

#include "device/Failure.h"
#include "device/HIDDeviceInterface.h"
#include "device/IOKitTypes.h"
#include "device/IOReturn.h"
#include "device/PropertyDictionary.h"

#include <memory>

namespace device {

// The operating system's device registry and HID services, as the transmitter link uses them:
// matching notifications whose iterator must be emptied, per-service interest messages, a plug-in
// per service that hands out its HID device interface, and the service's registry properties.
// All calls and all callbacks happen on the thread whose run loop the port was added to.
class DeviceServices {
public:
    virtual ~DeviceServices() = default;

    // A new dictionary matching services of class inName, or null.
    virtual std::unique_ptr<MatchingDictionary> IOServiceMatching(const char* inName) = 0;

    virtual IONotificationPortRef IONotificationPortCreate() = 0;
    // Ends delivery for every registration made on the port.
    virtual void IONotificationPortDestroy(IONotificationPortRef inPort) = 0;
    virtual CFRunLoopSourceRef IONotificationPortGetRunLoopSource(IONotificationPortRef inPort) = 0;
    // From now on the source's callbacks run on this thread's event loop.
    virtual void CFRunLoopAddSource(CFRunLoopSourceRef inSource) = 0;

    // Takes over inMatching, also on failure. The iterator yields the matching services present
    // now; once it has been found empty, each later arrival calls inCallback with it.
    virtual IOReturn
    IOServiceAddMatchingNotification(IONotificationPortRef inPort, const char* inNotificationType,
                                     std::unique_ptr<MatchingDictionary> inMatching,
                                     IOServiceMatchingCallback inCallback, void* inRefCon,
                                     io_iterator_t* outIterator) = 0;
    // Takes over inMatching, also on failure. The iterator yields the matching services present
    // now, and nothing after.
    virtual IOReturn IOServiceGetMatchingServices(std::unique_ptr<MatchingDictionary> inMatching,
                                                  io_iterator_t* outIterator) = 0;
    // The next service with a reference owned by the caller, or IO_OBJECT_NULL.
    virtual io_object_t IOIteratorNext(io_iterator_t inIterator) = 0;
    // Gives back one reference; releasing a registration ends it.
    virtual IOReturn IOObjectRelease(io_object_t inObject) = 0;

    virtual IOReturn IOCreatePlugInInterfaceForService(
        io_service_t inService, const char* inPluginType, const char* inInterfaceType,
        std::unique_ptr<IOCFPlugInInterface>* outPlugIn, SInt32* outScore) = 0;
    virtual IOReturn IORegistryEntryCreateCFProperties(io_service_t inEntry,
                                                       PropertyDictionary* outProperties) = 0;
    virtual IOReturn IOServiceAddInterestNotification(
        IONotificationPortRef inPort, io_service_t inService, const char* inInterestType,
        IOServiceInterestCallback inCallback, void* inRefCon, io_object_t* outNotification) = 0;

    // Why the last IOCreatePlugInInterfaceForService that failed did, in the platform's own terms
    // where the backend knows them.
    virtual Failure lastPlugInFailure() const = 0;
};

} // namespace device
