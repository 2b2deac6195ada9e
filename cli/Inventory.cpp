#include "cli/Inventory.h"

#include "device/PropertyDictionary.h"
#include "device/TransmitterIDs.h"

namespace cli {

namespace {

// The port is never added to a run loop, so this is never called; the registration wants one.
void ignoreArrival(void*, io_iterator_t) {
}

UInt16 versionNumber(const PropertyDictionary& inProperties) {
    const PropertyValue* value = CFDictionaryGetValue(inProperties, "VersionNumber");
    if (value == nullptr) {
        return 0xFFFF;
    }
    SInt16 number = 0;
    return CFNumberGetValue(*value, &number) ? static_cast<UInt16>(number) : 0xFFFE;
}

} // namespace

Transmitter describe(device::DeviceServices& inServices, io_service_t inService) {
    Transmitter transmitter;
    PropertyDictionary properties;
    if (inServices.IORegistryEntryCreateCFProperties(inService, &properties) == kIOReturnSuccess) {
        transmitter.hardwareVersion = versionNumber(properties);
        if (const std::string* path = device::deviceNode(properties)) {
            transmitter.node = *path;
        }
    } else {
        transmitter.hardwareVersion = 0xFFFF;
    }
    return transmitter;
}

IOReturn visitTransmitters(device::DeviceServices& inServices,
                           const std::function<void(io_service_t)>& inVisit) {
    // The link's matching criteria.
    std::unique_ptr<MatchingDictionary> matching = inServices.IOServiceMatching("IOHIDDevice");
    if (!matching) {
        return kIOReturnError;
    }
    matching->setObject("ProductID", sTransmitterProductID);
    matching->setObject("VendorID", sTransmitterVendorID);

    IONotificationPortRef port = inServices.IONotificationPortCreate();
    io_iterator_t iterator = IO_OBJECT_NULL;
    const IOReturn status = inServices.IOServiceAddMatchingNotification(
        port, kIOFirstMatchNotification, std::move(matching), ignoreArrival, nullptr, &iterator);
    if (status == kIOReturnSuccess) {
        while (const io_service_t service = inServices.IOIteratorNext(iterator)) {
            inVisit(service);
            inServices.IOObjectRelease(service);
        }
        inServices.IOObjectRelease(iterator);
    }
    inServices.IONotificationPortDestroy(port);
    return status;
}

IOReturn findTransmitters(device::DeviceServices& inServices, std::vector<Transmitter>* outFound) {
    outFound->clear();
    return visitTransmitters(inServices, [&](io_service_t inService) {
        Transmitter transmitter = describe(inServices, inService);
        std::unique_ptr<IOCFPlugInInterface> plugIn;
        SInt32 score = 0;
        transmitter.access = inServices.IOCreatePlugInInterfaceForService(
            inService, kIOHIDDeviceUserClientTypeID, kIOCFPlugInInterfaceID, &plugIn, &score);
        outFound->push_back(std::move(transmitter));
    });
}

} // namespace cli
