#include "device/ServiceRegistry.h"

#include <algorithm>
#include <cstring>

struct CFRunLoopSource {
    IONotificationPort* port;
};

struct IONotificationPort {
    CFRunLoopSource source{this};
    bool attached = false;
};

namespace device {

namespace {

bool matches(const MatchingDictionary& inMatching, const RegistryEntry& inEntry) {
    if (inMatching.serviceClass != inEntry.serviceClass) {
        return false;
    }
    return std::all_of(inMatching.properties.begin(), inMatching.properties.end(),
                       [&inEntry](const auto& inWanted) {
                           const PropertyValue* value =
                               CFDictionaryGetValue(inEntry.properties, inWanted.first);
                           return value != nullptr && *value == inWanted.second;
                       });
}

bool delivers(const IONotificationPort* inPort) {
    return inPort != nullptr && inPort->attached;
}

} // namespace

ServiceRegistry::ServiceRegistry() : mTally(std::make_shared<LiveTally>()) {
}

ServiceRegistry::~ServiceRegistry() = default;

template <class T> T* ServiceRegistry::find(io_object_t inHandle) {
    const auto found = mObjects.find(inHandle);
    return found == mObjects.end() ? nullptr : std::get_if<T>(&found->second);
}

template <class T> std::vector<io_object_t> ServiceRegistry::handlesOf() const {
    std::vector<io_object_t> handles;
    for (const auto& [handle, object] : mObjects) {
        if (std::holds_alternative<T>(object)) {
            handles.push_back(handle);
        }
    }
    return handles;
}

io_object_t ServiceRegistry::insert(Object inObject) {
    const io_object_t handle = mNextHandle++;
    mObjects.emplace(handle, std::move(inObject));
    return handle;
}

bool ServiceRegistry::ownsPort(const IONotificationPort* inPort) const {
    return inPort != nullptr && std::any_of(mPorts.begin(), mPorts.end(),
                                            [inPort](const auto& p) { return p.get() == inPort; });
}

std::unique_ptr<MatchingDictionary> ServiceRegistry::IOServiceMatching(const char* inName) {
    if (inName == nullptr || failureFor(Call::IOServiceMatching) != kIOReturnSuccess) {
        return nullptr;
    }
    auto matching = std::make_unique<MatchingDictionary>();
    matching->serviceClass = inName;
    return matching;
}

IONotificationPortRef ServiceRegistry::IONotificationPortCreate() {
    mPorts.push_back(std::make_unique<IONotificationPort>());
    return mPorts.back().get();
}

void ServiceRegistry::IONotificationPortDestroy(IONotificationPortRef inPort) {
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
ServiceRegistry::IONotificationPortGetRunLoopSource(IONotificationPortRef inPort) {
    return ownsPort(inPort) ? &inPort->source : nullptr;
}

void ServiceRegistry::CFRunLoopAddSource(CFRunLoopSourceRef inSource) {
    if (inSource == nullptr || !ownsPort(inSource->port)) {
        return;
    }
    inSource->port->attached = true;
    deliverArrivals();
}

IOReturn ServiceRegistry::IOServiceAddMatchingNotification(
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
    *outIterator = insert(iteratorOver(std::move(*inMatching), inPort, inCallback, inRefCon));
    return kIOReturnSuccess;
}

IOReturn
ServiceRegistry::IOServiceGetMatchingServices(std::unique_ptr<MatchingDictionary> inMatching,
                                              io_iterator_t* outIterator) {
    if (!inMatching || outIterator == nullptr) {
        return kIOReturnBadArgument;
    }
    // Without a port it is never told of arrivals.
    *outIterator = insert(iteratorOver(std::move(*inMatching), nullptr, nullptr, nullptr));
    return kIOReturnSuccess;
}

ServiceRegistry::Iterator ServiceRegistry::iteratorOver(MatchingDictionary inMatching,
                                                        IONotificationPort* inPort,
                                                        IOServiceMatchingCallback inCallback,
                                                        void* inRefCon) {
    Iterator iterator{inPort, std::move(inMatching), inCallback, inRefCon, {}, false};
    // In order of arrival: handles only grow.
    for (auto& [handle, object] : mObjects) {
        if (auto* service = std::get_if<Service>(&object);
            service && service->present && matches(iterator.matching, service->entry)) {
            iterator.pending.push_back(handle);
            ++service->queued;
        }
    }
    return iterator;
}

io_object_t ServiceRegistry::IOIteratorNext(io_iterator_t inIterator) {
    Iterator* iterator = find<Iterator>(inIterator);
    if (iterator == nullptr) {
        return IO_OBJECT_NULL;
    }
    while (!iterator->pending.empty()) {
        const io_service_t handle = iterator->pending.front();
        iterator->pending.pop_front();
        Service* service = find<Service>(handle);
        --service->queued;
        // A device that left while it waited is not offered.
        if (service->present) {
            ++service->clientReferences;
            return handle;
        }
        dropIfUnused(handle);
    }
    iterator->armed = true;
    return IO_OBJECT_NULL;
}

IOReturn ServiceRegistry::IOObjectRelease(io_object_t inObject) {
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

IOReturn ServiceRegistry::IOCreatePlugInInterfaceForService(
    io_service_t inService, const char* inPluginType, const char* inInterfaceType,
    std::unique_ptr<IOCFPlugInInterface>* outPlugIn, SInt32* outScore) {
    if (outPlugIn == nullptr || outScore == nullptr) {
        return kIOReturnBadArgument;
    }
    outPlugIn->reset();
    *outScore = 0;
    mLastPlugInFailure = plugInFor(inService, inPluginType, inInterfaceType, outPlugIn);
    return mLastPlugInFailure.status;
}

Failure ServiceRegistry::plugInFor(io_service_t inService, const char* inPluginType,
                                   const char* inInterfaceType,
                                   std::unique_ptr<IOCFPlugInInterface>* outPlugIn) {
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
    HIDInterfaceFactory factory;
    Failure failure = makeInterfaceFactory(service->entry, &factory);
    if (failure.failed()) {
        return failure;
    }
    *outPlugIn = std::make_unique<RegistryPlugIn>(
        mTally, [this, factory = std::move(factory)](IOHIDDeviceInterface** outInterface) {
            const IOReturn status = failureFor(Call::QueryInterface);
            return status != kIOReturnSuccess ? status : factory(outInterface);
        });
    return {};
}

IOReturn ServiceRegistry::IORegistryEntryCreateCFProperties(io_service_t inEntry,
                                                            PropertyDictionary* outProperties) {
    if (const IOReturn status = failureFor(Call::IORegistryEntryCreateCFProperties)) {
        return status;
    }
    const Service* service = find<Service>(inEntry);
    if (service == nullptr || outProperties == nullptr) {
        return kIOReturnBadArgument;
    }
    *outProperties = service->entry.properties;
    return kIOReturnSuccess;
}

IOReturn ServiceRegistry::IOServiceAddInterestNotification(
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

HeldReferences ServiceRegistry::held() const {
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
    held.plugIns = mTally->plugIns;
    held.hidInterfaces = mTally->hidReferences;
    held.badReleases = mBadReleases;
    return held;
}

void ServiceRegistry::publish(RegistryEntry inEntry) {
    if (isPresent(inEntry.key)) {
        return;
    }
    const std::string key = inEntry.key;
    const io_service_t handle = insert(Service{std::move(inEntry)});
    mPresent.emplace(key, handle);
    Service* service = find<Service>(handle);
    for (auto& [h, object] : mObjects) {
        if (auto* iterator = std::get_if<Iterator>(&object);
            iterator && matches(iterator->matching, service->entry)) {
            iterator->pending.push_back(handle);
            ++service->queued;
        }
    }
    deliverArrivals();
}

void ServiceRegistry::terminate(std::string_view inKey) {
    const auto found = mPresent.find(inKey);
    if (found == mPresent.end()) {
        return;
    }
    const io_service_t handle = found->second;
    mPresent.erase(found);
    find<Service>(handle)->present = false;
    deliverMessage(handle, kIOMessageServiceIsTerminated);
    dropIfUnused(handle);
}

void ServiceRegistry::message(std::string_view inKey, natural_t inMessageType) {
    const auto found = mPresent.find(inKey);
    if (found != mPresent.end()) {
        deliverMessage(found->second, inMessageType);
    }
}

void ServiceRegistry::messageAll(natural_t inMessageType) {
    std::vector<io_service_t> present;
    for (const auto& [key, handle] : mPresent) {
        present.push_back(handle);
    }
    for (const io_service_t handle : present) {
        if (find<Service>(handle) != nullptr) {
            deliverMessage(handle, inMessageType);
        }
    }
}

bool ServiceRegistry::isPresent(std::string_view inKey) const {
    return mPresent.find(inKey) != mPresent.end();
}

void ServiceRegistry::dropIfUnused(io_service_t inService) {
    const Service* service = find<Service>(inService);
    if (service != nullptr && !service->present && service->clientReferences == 0 &&
        service->queued == 0 && service->registrations == 0) {
        mObjects.erase(inService);
    }
}

// Callbacks may release or add objects, so every handle is looked up again after one.
void ServiceRegistry::deliverArrivals() {
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

void ServiceRegistry::deliverMessage(io_service_t inService, natural_t inMessageType) {
    for (const io_object_t handle : handlesOf<Interest>()) {
        const Interest* interest = find<Interest>(handle);
        if (interest != nullptr && interest->service == inService && delivers(interest->port)) {
            interest->callback(interest->refCon, inService, inMessageType, nullptr);
        }
    }
}

} // namespace device
