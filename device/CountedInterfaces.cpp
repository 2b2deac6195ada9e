#include "device/CountedInterfaces.h"

#include "device/IOReturn.h"

namespace device {

CountedHIDInterface::CountedHIDInterface(std::shared_ptr<LiveTally> inTally)
    : mTally(std::move(inTally)) {
    ++mTally->hidReferences;
}

CountedHIDInterface::~CountedHIDInterface() = default;

UInt32 CountedHIDInterface::AddRef() {
    ++mTally->hidReferences;
    return ++mReferences;
}

UInt32 CountedHIDInterface::Release() {
    --mTally->hidReferences;
    const UInt32 left = --mReferences;
    if (left == 0) {
        delete this;
    }
    return left;
}

RegistryPlugIn::RegistryPlugIn(std::shared_ptr<LiveTally> inTally, HIDInterfaceFactory inFactory)
    : mTally(std::move(inTally)), mFactory(std::move(inFactory)) {
    ++mTally->plugIns;
}

RegistryPlugIn::~RegistryPlugIn() {
    --mTally->plugIns;
}

IOReturn RegistryPlugIn::QueryInterface(std::string_view inInterfaceID,
                                        IOHIDDeviceInterface** outInterface) {
    if (outInterface == nullptr) {
        return kIOReturnBadArgument;
    }
    *outInterface = nullptr;
    if (inInterfaceID != kIOHIDDeviceInterfaceID) {
        return kIOReturnUnsupported;
    }
    return mFactory(outInterface);
}

} // namespace device
