#pragma once

#include "device/HIDDeviceInterface.h"

#include <functional>
#include <memory>

namespace device {

// How many plug-ins and HID interface references a registry's clients hold right now.
struct LiveTally {
    int plugIns = 0;
    int hidReferences = 0;
};

// A HID device interface whose references are counted in its registry's tally. Backends derive
// their interfaces from it.
class CountedHIDInterface : public IOHIDDeviceInterface {
public:
    explicit CountedHIDInterface(std::shared_ptr<LiveTally> inTally);
    CountedHIDInterface(const CountedHIDInterface&) = delete;
    CountedHIDInterface& operator=(const CountedHIDInterface&) = delete;

    UInt32 AddRef() final;
    UInt32 Release() final;

protected:
    ~CountedHIDInterface() override;

private:
    std::shared_ptr<LiveTally> mTally;
    UInt32 mReferences = 1;
};

// Makes the HID device interface of one service, or says why it cannot.
using HIDInterfaceFactory = std::function<IOReturn(IOHIDDeviceInterface** outInterface)>;

// The plug-in of one service: answers a query for the HID device interface from its factory.
class RegistryPlugIn final : public IOCFPlugInInterface {
public:
    RegistryPlugIn(std::shared_ptr<LiveTally> inTally, HIDInterfaceFactory inFactory);
    ~RegistryPlugIn() override;
    RegistryPlugIn(const RegistryPlugIn&) = delete;
    RegistryPlugIn& operator=(const RegistryPlugIn&) = delete;

    IOReturn QueryInterface(std::string_view inInterfaceID,
                            IOHIDDeviceInterface** outInterface) override;

private:
    std::shared_ptr<LiveTally> mTally;
    HIDInterfaceFactory mFactory;
};

} // namespace device
