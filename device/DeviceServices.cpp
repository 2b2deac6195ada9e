#include "device/DeviceServices.h"

#include "device/TransmitterIDs.h"

#include <algorithm>
#include <cstring>

struct CFRunLoopSource {
    IONotificationPort* port;
};

struct IONotificationPort {
    CFRunLoopSource source{this};
    bool attached = false;
};

IOHIDDeviceInterface::IOHIDDeviceInterface(std::shared_ptr<int> inLive, device::Backend& inBackend,
                                           device::Transmitter inTransmitter)
    : mLive(std::move(inLive)), mBackend(inBackend), mTransmitter(std::move(inTransmitter)) {
    ++*mLive;
}

IOHIDDeviceInterface::~IOHIDDeviceInterface() {
    --*mLive;
}

UInt32 IOHIDDeviceInterface::Release() {
    delete this;
    return 0;
}

device::Failure IOHIDDeviceInterface::open(UInt32 /*inOptions*/) {
    if (mOpen) {
        return {.status = kIOReturnExclusiveAccess};
    }
    mOpen = true;
    return {};
}

device::Failure IOHIDDeviceInterface::close() {
    if (!mOpen) {
        return {.status = kIOReturnNotOpen};
    }
    mOpen = false;
    return {};
}

device::Failure IOHIDDeviceInterface::setReport(IOHIDReportType inReportType, UInt32 inReportID,
                                                const UInt8* inReportBuffer,
                                                UInt32 inReportBufferSize, UInt32 inTimeoutMS) {
    if (!mOpen) {
        return {.status = kIOReturnNotOpen};
    }
    if (inReportType != kIOHIDReportTypeOutput || inReportID != 0 || inReportBuffer == nullptr) {
        return {.status = kIOReturnUnsupported};
    }
    return mBackend.send(mTransmitter, std::span(inReportBuffer, inReportBufferSize),
                         std::chrono::milliseconds(inTimeoutMS));
}

IOCFPlugInInterface::IOCFPlugInInterface(device::DeviceServices& inServices,
                                         device::Transmitter inTransmitter)
    : mServices(inServices), mTransmitter(std::move(inTransmitter)) {
}

IOReturn IOCFPlugInInterface::QueryInterface(std::string_view inInterfaceID,
                                             IOHIDDeviceInterface** outInterface) {
    if (outInterface == nullptr) {
        return kIOReturnBadArgument;
    }
    *outInterface = nullptr;
    if (inInterfaceID != kIOHIDDeviceInterfaceID) {
        return kIOReturnUnsupported;
    }
    if (const IOReturn status =
            mServices.failureFor(device::DeviceServices::Call::QueryInterface)) {
        return status;
    }
    *outInterface =
        new IOHIDDeviceInterface(mServices.mLiveInterfaces, mServices.mBackend, mTransmitter);
    return kIOReturnSuccess;
}

namespace device {

namespace {

bool matches(const MatchingDictionary& inMatching, const PropertyDictionary& inProperties) {
    return inMatching.serviceClass == kHIDDeviceClass &&
           std::all_of(inMatching.properties.begin(), inMatching.properties.end(),
                       [&inProperties](const auto& inWanted) {
                           const PropertyValue* value =
                               CFDictionaryGetValue(inProperties, inWanted.first);
                           return value != nullptr && *value == inWanted.second;
                       });
}

bool delivers(const IONotificationPort* inPort) {
    return inPort != nullptr && inPort->attached;
}

} // namespace

DeviceServices::DeviceServices(Backend& inBackend) : mBackend(inBackend) {
    mBackend.watch([this](Backend::Change inChange, const Transmitter& inTransmitter) {
        switch (inChange) {
        case Backend::Change::Arrived:
            publish(inTransmitter);
            break;
        case Backend::Change::Removed:
            terminate(inTransmitter.name);
            break;
        case Backend::Change::Resumed:
            message(inTransmitter.name, kIOMessageServiceIsResumed);
            break;
        }
    });
}

DeviceServices::~DeviceServices() {
    mBackend.watch(nullptr);
}

template <class T> T* DeviceServices::find(io_object_t inHandle) {
    const auto found = mObjects.find(inHandle);
    return found == mObjects.end() ? nullptr : std::get_if<T>(&found->second);
}

template <class T> std::vector<io_object_t> DeviceServices::handlesOf() const {
    std::vector<io_object_t> handles;
    for (const auto& [handle, object] : mObjects) {
        if (std::holds_alternative<T>(object)) {
            handles.push_back(handle);
        }
    }
    return handles;
}

io_object_t DeviceServices::insert(Object inObject) {
    const io_object_t handle = mNextHandle++;
    mObjects.emplace(handle, std::move(inObject));
    return handle;
}

bool DeviceServices::ownsPort(const IONotificationPort* inPort) const {
    return inPort != nullptr && std::any_of(mPorts.begin(), mPorts.end(),
                                            [inPort](const auto& p) { return p.get() == inPort; });
}

std::unique_ptr<MatchingDictionary> DeviceServices::IOServiceMatching(const char* inName) {
    if (inName == nullptr || failureFor(Call::IOServiceMatching) != kIOReturnSuccess) {
        return nullptr;
    }
    auto matching = std::make_unique<MatchingDictionary>();
    matching->serviceClass = inName;
    return matching;
}

IONotificationPortRef DeviceServices::IONotificationPortCreate() {
    mPorts.push_back(std::make_unique<IONotificationPort>());
    return mPorts.back().get();
}

void DeviceServices::IONotificationPortDestroy(IONotificationPortRef inPort) {
    for (auto& [handle, object] : mObjects) {
        if (auto* iterator = std::get_if<Iterator>(&object); iterator && iterator->port == inPort) {
            iterator->port = nullptr;
        } else if (auto* interest = std::get_if<Interest>(&object);
                   interest && interest->port == inPort) {
            interest->port = nullptr;
        }
    }
    std::erase_if(mPorts, [inPort](const auto& p) { return p.get() == inPort; });
}

CFRunLoopSourceRef
DeviceServices::IONotificationPortGetRunLoopSource(IONotificationPortRef inPort) {
    return ownsPort(inPort) ? &inPort->source : nullptr;
}

void DeviceServices::CFRunLoopAddSource(CFRunLoopSourceRef inSource) {
    if (inSource == nullptr || !ownsPort(inSource->port)) {
        return;
    }
    inSource->port->attached = true;
    deliverArrivals();
}

IOReturn DeviceServices::IOServiceAddMatchingNotification(
    IONotificationPortRef inPort, const char* inNotificationType,
    std::unique_ptr<MatchingDictionary> inMatching, IOServiceMatchingCallback inCallback,
    void* inRefCon, io_iterator_t* outIterator) {
    if (const IOReturn status = failureFor(Call::IOServiceAddMatchingNotification)) {
        return status;
    }
    if (!ownsPort(inPort) || inNotificationType == nullptr ||
        std::strcmp(inNotificationType, kIOFirstMatchNotification) != 0 || !inMatching ||
        inCallback == nullptr || outIterator == nullptr) {
        return kIOReturnBadArgument;
    }
    Iterator iterator{inPort, std::move(*inMatching), inCallback, inRefCon, {}, false};
    // In order of arrival: handles only grow.
    for (auto& [handle, object] : mObjects) {
        if (auto* service = std::get_if<Service>(&object);
            service && service->present && matches(iterator.matching, service->properties)) {
            iterator.pending.push_back(handle);
            ++service->queued;
        }
    }
    *outIterator = insert(std::move(iterator));
    return kIOReturnSuccess;
}

io_object_t DeviceServices::IOIteratorNext(io_iterator_t inIterator) {
    Iterator* iterator = find<Iterator>(inIterator);
    if (iterator == nullptr) {
        return IO_OBJECT_NULL;
    }
    while (!iterator->pending.empty()) {
        const io_service_t handle = iterator->pending.front();
        iterator->pending.pop_front();
        Service* service = find<Service>(handle);
        --service->queued;
        // A transmitter that left while it waited is not offered.
        if (service->present) {
            ++service->clientReferences;
            return handle;
        }
        dropIfUnused(handle);
    }
    iterator->armed = true;
    return IO_OBJECT_NULL;
}

IOReturn DeviceServices::IOObjectRelease(io_object_t inObject) {
    if (Service* service = find<Service>(inObject); service && service->clientReferences > 0) {
        --service->clientReferences;
        dropIfUnused(inObject);
        return kIOReturnSuccess;
    }
    if (Iterator* iterator = find<Iterator>(inObject)) {
        const std::deque<io_service_t> pending = std::move(iterator->pending);
        mObjects.erase(inObject);
        for (const io_service_t handle : pending) {
            --find<Service>(handle)->queued;
            dropIfUnused(handle);
        }
        return kIOReturnSuccess;
    }
    if (Interest* interest = find<Interest>(inObject)) {
        const io_service_t handle = interest->service;
        mObjects.erase(inObject);
        --find<Service>(handle)->registrations;
        dropIfUnused(handle);
        return kIOReturnSuccess;
    }
    ++mBadReleases;
    return kIOReturnBadArgument;
}

Failure DeviceServices::IOCreatePlugInInterfaceForService(
    io_service_t inService, const char* inPluginType, const char* inInterfaceType,
    std::unique_ptr<IOCFPlugInInterface>* outPlugIn, SInt32* outScore) {
    if (outPlugIn == nullptr || outScore == nullptr) {
        return {.status = kIOReturnBadArgument};
    }
    outPlugIn->reset();
    *outScore = 0;
    if (const IOReturn status = failureFor(Call::IOCreatePlugInInterfaceForService)) {
        return {.status = status};
    }
    const Service* service = find<Service>(inService);
    if (service == nullptr) {
        return {.status = kIOReturnBadArgument};
    }
    if (!service->present) {
        return {.status = kIOReturnNoDevice};
    }
    if (inPluginType == nullptr || inInterfaceType == nullptr ||
        std::strcmp(inPluginType, kIOHIDDeviceUserClientTypeID) != 0 ||
        std::strcmp(inInterfaceType, kIOCFPlugInInterfaceID) != 0) {
        return {.status = kIOReturnUnsupported};
    }
    // A transmitter that cannot be written to would look connected while every report failed.
    Failure access = mBackend.access(service->transmitter);
    if (!access.failed()) {
        *outPlugIn = std::make_unique<IOCFPlugInInterface>(*this, service->transmitter);
    }
    return access;
}

IOReturn DeviceServices::IORegistryEntryCreateCFProperties(io_service_t inEntry,
                                                           PropertyDictionary* outProperties) {
    if (const IOReturn status = failureFor(Call::IORegistryEntryCreateCFProperties)) {
        return status;
    }
    const Service* service = find<Service>(inEntry);
    if (service == nullptr || outProperties == nullptr) {
        return kIOReturnBadArgument;
    }
    *outProperties = service->properties;
    return kIOReturnSuccess;
}

IOReturn DeviceServices::IOServiceAddInterestNotification(
    IONotificationPortRef inPort, io_service_t inService, const char* inInterestType,
    IOServiceInterestCallback inCallback, void* inRefCon, io_object_t* outNotification) {
    if (outNotification == nullptr) {
        return kIOReturnBadArgument;
    }
    *outNotification = IO_OBJECT_NULL;
    if (const IOReturn status = failureFor(Call::IOServiceAddInterestNotification)) {
        return status;
    }
    Service* service = find<Service>(inService);
    if (!ownsPort(inPort) || service == nullptr || inInterestType == nullptr ||
        std::strcmp(inInterestType, kIOGeneralInterest) != 0 || inCallback == nullptr) {
        return kIOReturnBadArgument;
    }
    if (!service->present) {
        return kIOReturnNoDevice;
    }
    ++service->registrations;
    *outNotification = insert(Interest{inPort, inService, inCallback, inRefCon});
    return kIOReturnSuccess;
}

HeldReferences DeviceServices::held() const {
    HeldReferences held;
    for (const auto& [handle, object] : mObjects) {
        if (const auto* service = std::get_if<Service>(&object)) {
            held.services += service->clientReferences;
        } else if (std::holds_alternative<Iterator>(object)) {
            ++held.iterators;
        } else {
            ++held.notifications;
        }
    }
    held.ports = static_cast<int>(mPorts.size());
    held.hidInterfaces = *mLiveInterfaces;
    held.badReleases = mBadReleases;
    return held;
}

void DeviceServices::publish(const Transmitter& inTransmitter) {
    PropertyDictionary properties{{kVendorIDKey, sTransmitterVendorID},
                                  {kProductIDKey, sTransmitterProductID}};
    // A version the link reads as missing is missing.
    if (inTransmitter.hardwareVersion != 0xFFFF) {
        properties[kVersionNumberKey] = inTransmitter.hardwareVersion;
    }
    const io_service_t handle = insert(Service{inTransmitter, std::move(properties)});
    mPresent.emplace(inTransmitter.name, handle);
    Service* service = find<Service>(handle);
    for (auto& [h, object] : mObjects) {
        if (auto* iterator = std::get_if<Iterator>(&object);
            iterator && matches(iterator->matching, service->properties)) {
            iterator->pending.push_back(handle);
            ++service->queued;
        }
    }
    deliverArrivals();
}

void DeviceServices::terminate(std::string_view inName) {
    const auto found = mPresent.find(inName);
    if (found == mPresent.end()) {
        return;
    }
    const io_service_t handle = found->second;
    mPresent.erase(found);
    find<Service>(handle)->present = false;
    deliverMessage(handle, kIOMessageServiceIsTerminated);
    dropIfUnused(handle);
}

void DeviceServices::message(std::string_view inName, natural_t inMessageType) {
    const auto found = mPresent.find(inName);
    if (found != mPresent.end()) {
        deliverMessage(found->second, inMessageType);
    }
}

void DeviceServices::dropIfUnused(io_service_t inService) {
    const Service* service = find<Service>(inService);
    if (service != nullptr && !service->present && service->clientReferences == 0 &&
        service->queued == 0 && service->registrations == 0) {
        mObjects.erase(inService);
    }
}

// Callbacks may release or add objects, so every handle is looked up again after one.
void DeviceServices::deliverArrivals() {
    for (const io_object_t handle : handlesOf<Iterator>()) {
        Iterator* iterator = find<Iterator>(handle);
        if (iterator == nullptr || !iterator->armed || iterator->pending.empty() ||
            !delivers(iterator->port)) {
            continue;
        }
        iterator->armed = false;
        iterator->callback(iterator->refCon, handle);
    }
}

void DeviceServices::deliverMessage(io_service_t inService, natural_t inMessageType) {
    for (const io_object_t handle : handlesOf<Interest>()) {
        const Interest* interest = find<Interest>(handle);
        if (interest != nullptr && interest->service == inService && delivers(interest->port)) {
            interest->callback(interest->refCon, inService, inMessageType, nullptr);
        }
    }
}

} // namespace device
