#include "device/sim/SimulatedTransmitter.h"

#include "device/TransmitterIDs.h"
#include "device/sim/ReportDescription.h"

#include <cstdio>
#include <string>

namespace device {

namespace {

std::string keyOf(unsigned inPlugging) {
    return "simulated-transmitter-" + std::to_string(inPlugging);
}

} // namespace

// The simulated transmitter's HID interface; once its device is unplugged it answers
// kIOReturnNoDevice, as a real one would.
class SimulatedTransmitter::Interface final : public CountedHIDInterface {
public:
    Interface(SimulatedTransmitter& inTransmitter, unsigned inPlugging)
        : CountedHIDInterface(inTransmitter.tally()), mTransmitter(inTransmitter),
          mPlugging(inPlugging) {}

    IOReturn open(UInt32 /*inOptions*/) override {
        if (!mTransmitter.isPlugged(mPlugging)) {
            return fail({.status = kIOReturnNoDevice});
        }
        if (mOpen) {
            return fail({.status = kIOReturnExclusiveAccess});
        }
        mOpen = true;
        return kIOReturnSuccess;
    }

    IOReturn close() override {
        if (!mOpen) {
            return fail({.status = kIOReturnNotOpen});
        }
        mOpen = false;
        return kIOReturnSuccess;
    }

    IOReturn setReport(IOHIDReportType inReportType, UInt32 /*inReportID*/,
                       const UInt8* inReportBuffer, UInt32 inReportBufferSize,
                       UInt32 /*inTimeoutMS*/) override {
        if (!mOpen) {
            return fail({.status = kIOReturnNotOpen});
        }
        if (!mTransmitter.isPlugged(mPlugging)) {
            return fail({.status = kIOReturnNoDevice, .cause = Failure::Cause::Unplugged});
        }
        if (inReportType != kIOHIDReportTypeOutput || inReportBuffer == nullptr) {
            return fail({.status = kIOReturnBadArgument});
        }
        mTransmitter.receive(inReportBuffer, inReportBufferSize);
        return kIOReturnSuccess;
    }

private:
    SimulatedTransmitter& mTransmitter;
    unsigned mPlugging;
    bool mOpen = false;
};

SimulatedTransmitter::SimulatedTransmitter(UInt16 inHardwareVersion)
    : mHardwareVersion(inHardwareVersion) {
}

void SimulatedTransmitter::plug() {
    if (mPlugged) {
        return;
    }
    mPlugged = true;
    ++mPlugging;
    RegistryEntry entry{keyOf(mPlugging), kHIDDeviceClass, {}};
    entry.properties[kVendorIDKey] = static_cast<long long>(sTransmitterVendorID);
    entry.properties[kProductIDKey] = static_cast<long long>(sTransmitterProductID);
    entry.properties[kVersionNumberKey] = static_cast<long long>(mHardwareVersion);
    publish(std::move(entry));
}

void SimulatedTransmitter::unplug() {
    if (!mPlugged) {
        return;
    }
    mPlugged = false;
    terminate(keyOf(mPlugging));
}

Failure SimulatedTransmitter::makeInterfaceFactory(const RegistryEntry& /*inEntry*/,
                                                   HIDInterfaceFactory* outFactory) {
    *outFactory = [this, plugging = mPlugging](IOHIDDeviceInterface** outInterface) {
        *outInterface = new Interface(*this, plugging);
        return kIOReturnSuccess;
    };
    return {};
}

void SimulatedTransmitter::receive(const UInt8* inReport, UInt32 inSize) {
    mReports.emplace_back(inReport, inReport + inSize);
    std::printf("report: %s\n", describeTuningReport(inReport, inSize).c_str());
    std::fflush(stdout);
}

} // namespace device
