#pragma once

#include "device/CountedInterfaces.h"
#include "device/DeviceServices.h"

#include <deque>
#include <map>
#include <memory>
#include <string>
#include <string_view>
#include <variant>
#include <vector>

namespace device {

// One device as a backend describes it to the registry.
struct RegistryEntry {
    std::string key; // the backend's unique name for it while it is present
    std::string serviceClass;
    PropertyDictionary properties;
};

// What the registry's clients hold right now, so a test can tell that nothing is left behind.
struct HeldReferences {
    int services = 0;
    int iterators = 0;
    int notifications = 0; // interest registrations
    int ports = 0;
    int plugIns = 0;
    int hidInterfaces = 0; // references to HID device interfaces
    int badReleases = 0;   // releases of objects the client did not hold

    bool operator==(const HeldReferences&) const = default;
};

// The part of the device services that every backend shares: the objects clients hold,
// matching notifications and their iterators, interest registrations and message delivery, and
// reference counting. A backend tells it of arrivals and removals and makes the HID interfaces.
//
// Callbacks are made synchronously from publish, terminate and message (and from
// CFRunLoopAddSource for arrivals that waited), on the caller's thread, only for registrations
// whose port has been added to the run loop. The backend must outlive every client.
class ServiceRegistry : public DeviceServices {
public:
    ServiceRegistry();
    ~ServiceRegistry() override;
    ServiceRegistry(const ServiceRegistry&) = delete;
    ServiceRegistry& operator=(const ServiceRegistry&) = delete;

    // The calls that can fail for a reason of the backend's, and the plug-in's query.
    enum class Call {
        IOServiceMatching,
        IOServiceAddMatchingNotification,
        IOCreatePlugInInterfaceForService,
        QueryInterface,
        IORegistryEntryCreateCFProperties,
        IOServiceAddInterestNotification,
    };

    std::unique_ptr<MatchingDictionary> IOServiceMatching(const char* inName) override;
    IONotificationPortRef IONotificationPortCreate() override;
    void IONotificationPortDestroy(IONotificationPortRef inPort) override;
    CFRunLoopSourceRef IONotificationPortGetRunLoopSource(IONotificationPortRef inPort) override;
    void CFRunLoopAddSource(CFRunLoopSourceRef inSource) override;
    IOReturn IOServiceAddMatchingNotification(IONotificationPortRef inPort,
                                              const char* inNotificationType,
                                              std::unique_ptr<MatchingDictionary> inMatching,
                                              IOServiceMatchingCallback inCallback, void* inRefCon,
                                              io_iterator_t* outIterator) override;
    IOReturn IOServiceGetMatchingServices(std::unique_ptr<MatchingDictionary> inMatching,
                                          io_iterator_t* outIterator) override;
    io_object_t IOIteratorNext(io_iterator_t inIterator) override;
    IOReturn IOObjectRelease(io_object_t inObject) override;
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
    Failure lastPlugInFailure() const override { return mLastPlugInFailure; }

    HeldReferences held() const;

protected:
    // A device arrived; a key that is already present is ignored.
    void publish(RegistryEntry inEntry);
    // The device went away: its interest registrations receive kIOMessageServiceIsTerminated.
    void terminate(std::string_view inKey);
    // Sends inMessageType to the interest registrations of a present device, or of every one.
    void message(std::string_view inKey, natural_t inMessageType);
    void messageAll(natural_t inMessageType);
    bool isPresent(std::string_view inKey) const;
    const std::shared_ptr<LiveTally>& tally() const { return mTally; }

    // How the backend reaches the device: a factory for its HID device interface, or what keeps
    // the plug-in from being created.
    virtual Failure makeInterfaceFactory(const RegistryEntry& inEntry,
                                         HIDInterfaceFactory* outFactory) = 0;
    // Asked first by each call of Call: a failure makes it fail with that status, and
    // IOServiceMatching return null. None by default.
    virtual IOReturn failureFor(Call /*inCall*/) const { return kIOReturnSuccess; }

private:
    struct Service {
        RegistryEntry entry;
        bool present = true;
        int clientReferences = 0;
        int queued = 0;        // waiting in iterators
        int registrations = 0; // interest registrations on it
    };
    struct Iterator {
        IONotificationPort* port;
        MatchingDictionary matching;
        IOServiceMatchingCallback callback;
        void* refCon;
        std::deque<io_service_t> pending;
        bool armed = false; // found empty since the last callback
    };
    struct Interest {
        IONotificationPort* port;
        io_service_t service;
        IOServiceInterestCallback callback;
        void* refCon;
    };
    using Object = std::variant<Service, Iterator, Interest>;

    // An iterator holding the matching services present now.
    Iterator iteratorOver(MatchingDictionary inMatching, IONotificationPort* inPort,
                          IOServiceMatchingCallback inCallback, void* inRefCon);
    Failure plugInFor(io_service_t inService, const char* inPluginType, const char* inInterfaceType,
                      std::unique_ptr<IOCFPlugInInterface>* outPlugIn);
    template <class T> T* find(io_object_t inHandle);
    template <class T> std::vector<io_object_t> handlesOf() const;
    io_object_t insert(Object inObject);
    bool ownsPort(const IONotificationPort* inPort) const;
    void dropIfUnused(io_service_t inService);
    void deliverArrivals();
    void deliverMessage(io_service_t inService, natural_t inMessageType);

    std::map<io_object_t, Object> mObjects;
    std::map<std::string, io_service_t, std::less<>> mPresent;
    std::vector<std::unique_ptr<IONotificationPort>> mPorts;
    std::shared_ptr<LiveTally> mTally;
    Failure mLastPlugInFailure;
    io_object_t mNextHandle = 1;
    int mBadReleases = 0;
};

} // namespace device
