#pragma once

#include "device/Backend.h"
#include "device/Failure.h"
#include "device/IOKitTypes.h"
#include "device/PropertyDictionary.h"

#include <deque>
#include <map>
#include <memory>
#include <string_view>
#include <variant>
#include <vector>

namespace device {

class DeviceServices;

// What the device services' clients hold right now, so a test can tell that nothing is left
// behind.
struct HeldReferences {
    int services = 0;
    int iterators = 0;
    int notifications = 0; // interest registrations
    int ports = 0;
    int hidInterfaces = 0;
    int badReleases = 0; // releases of objects the client did not hold

    bool operator==(const HeldReferences&) const = default;
};

} // namespace device

// The HID device interface of one transmitter: its open and close bracket one report, which
// setReport hands to the backend to send. Whoever obtains it gives it back with Release.
class IOHIDDeviceInterface {
public:
    IOHIDDeviceInterface(std::shared_ptr<int> inLive, device::Backend& inBackend,
                         device::Transmitter inTransmitter);
    IOHIDDeviceInterface(const IOHIDDeviceInterface&) = delete;
    IOHIDDeviceInterface& operator=(const IOHIDDeviceInterface&) = delete;

    // Deletes the interface.
    UInt32 Release();

    device::Failure open(UInt32 inOptions);
    device::Failure close();
    // Sends one output report with report ID 0 and returns once the transmitter has taken it,
    // refused it, or inTimeoutMS milliseconds have passed. Only between open and close.
    device::Failure setReport(IOHIDReportType inReportType, UInt32 inReportID,
                              const UInt8* inReportBuffer, UInt32 inReportBufferSize,
                              UInt32 inTimeoutMS);

private:
    ~IOHIDDeviceInterface();

    std::shared_ptr<int> mLive; // the count of interfaces not yet released
    device::Backend& mBackend;
    device::Transmitter mTransmitter;
    bool mOpen = false;
};

// The plug-in created for a transmitter; it hands out its HID device interface.
class IOCFPlugInInterface {
public:
    IOCFPlugInInterface(device::DeviceServices& inServices, device::Transmitter inTransmitter);

    // The caller owns the interface it receives.
    IOReturn QueryInterface(std::string_view inInterfaceID, IOHIDDeviceInterface** outInterface);

private:
    device::DeviceServices& mServices;
    device::Transmitter mTransmitter;
};

namespace device {

// The operating system's device registry and HID services, as the transmitter link calls them,
// over a backend's transmitters: each is a service of class "IOHIDDevice" with the transmitter's
// "VendorID" and "ProductID" and its "VersionNumber". Matching notifications whose iterator must
// be emptied, per-service interest messages, a plug-in per service that hands out its HID
// device interface once the backend says it may be opened, reference counting.
//
// Callbacks are made synchronously as the backend tells of a change (and from CFRunLoopAddSource
// for arrivals that waited), on its thread, only for registrations whose port has been added to
// the run loop. The backend must outlive the services, and they their clients.
class DeviceServices {
public:
    explicit DeviceServices(Backend& inBackend);
    virtual ~DeviceServices();
    DeviceServices(const DeviceServices&) = delete;
    DeviceServices& operator=(const DeviceServices&) = delete;

    // The calls that can fail for a reason of their own, and the plug-in's query.
    enum class Call {
        IOServiceMatching,
        IOServiceAddMatchingNotification,
        IOCreatePlugInInterfaceForService,
        QueryInterface,
        IORegistryEntryCreateCFProperties,
        IOServiceAddInterestNotification,
    };

    // A new dictionary matching services of class inName, or null.
    std::unique_ptr<MatchingDictionary> IOServiceMatching(const char* inName);
    IONotificationPortRef IONotificationPortCreate();
    // Ends delivery for every registration made on the port.
    void IONotificationPortDestroy(IONotificationPortRef inPort);
    CFRunLoopSourceRef IONotificationPortGetRunLoopSource(IONotificationPortRef inPort);
    // From now on the source's callbacks are made.
    void CFRunLoopAddSource(CFRunLoopSourceRef inSource);
    // Takes over inMatching, also on failure. The iterator yields the matching services present
    // now; once it has been found empty, each later arrival calls inCallback with it.
    IOReturn IOServiceAddMatchingNotification(IONotificationPortRef inPort,
                                              const char* inNotificationType,
                                              std::unique_ptr<MatchingDictionary> inMatching,
                                              IOServiceMatchingCallback inCallback, void* inRefCon,
                                              io_iterator_t* outIterator);
    // The next service with a reference owned by the caller, or IO_OBJECT_NULL.
    io_object_t IOIteratorNext(io_iterator_t inIterator);
    // Gives back one reference; releasing a registration ends it.
    IOReturn IOObjectRelease(io_object_t inObject);
    // The status is the IOReturn; beside it, why the transmitter may not be opened, in the
    // backend's terms.
    Failure IOCreatePlugInInterfaceForService(io_service_t inService, const char* inPluginType,
                                              const char* inInterfaceType,
                                              std::unique_ptr<IOCFPlugInInterface>* outPlugIn,
                                              SInt32* outScore);
    IOReturn IORegistryEntryCreateCFProperties(io_service_t inEntry,
                                               PropertyDictionary* outProperties);
    IOReturn IOServiceAddInterestNotification(IONotificationPortRef inPort, io_service_t inService,
                                              const char* inInterestType,
                                              IOServiceInterestCallback inCallback, void* inRefCon,
                                              io_object_t* outNotification);

    HeldReferences held() const;

protected:
    // Sends inMessageType to the interest registrations of the transmitter named inName.
    void message(std::string_view inName, natural_t inMessageType);
    // Asked first by each call of Call: a failure makes it fail with that status, and
    // IOServiceMatching return null. None by default.
    virtual IOReturn failureFor(Call /*inCall*/) const { return kIOReturnSuccess; }

private:
    friend class ::IOCFPlugInInterface;

    struct Service {
        Transmitter transmitter;
        PropertyDictionary properties;
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

    void publish(const Transmitter& inTransmitter);
    void terminate(std::string_view inName);
    template <class T> T* find(io_object_t inHandle);
    template <class T> std::vector<io_object_t> handlesOf() const;
    io_object_t insert(Object inObject);
    bool ownsPort(const IONotificationPort* inPort) const;
    void dropIfUnused(io_service_t inService);
    void deliverArrivals();
    void deliverMessage(io_service_t inService, natural_t inMessageType);

    Backend& mBackend;
    std::map<io_object_t, Object> mObjects;
    std::map<std::string, io_service_t, std::less<>> mPresent;
    std::vector<std::unique_ptr<IONotificationPort>> mPorts;
    std::shared_ptr<int> mLiveInterfaces = std::make_shared<int>(0);
    io_object_t mNextHandle = 1;
    int mBadReleases = 0;
};

} // namespace device
