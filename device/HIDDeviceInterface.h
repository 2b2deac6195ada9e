#pragma once

#include "device/Failure.h"
#include "device/IOKitTypes.h"
#include "host/Types.h"

#include <string_view>

// The HID device interface of one service. Reference-counted: whoever obtains one owns a
// reference and gives it back with Release, which deletes the interface with the last one.
class IOHIDDeviceInterface {
public:
    virtual UInt32 AddRef() = 0;
    virtual UInt32 Release() = 0;

    virtual IOReturn open(UInt32 inOptions) = 0;
    virtual IOReturn close() = 0;
    // Sends one report and returns once the device has taken it, refused it, or inTimeoutMS
    // milliseconds have passed. Only valid between open and close.
    virtual IOReturn setReport(IOHIDReportType inReportType, UInt32 inReportID,
                               const UInt8* inReportBuffer, UInt32 inReportBufferSize,
                               UInt32 inTimeoutMS) = 0;

    // What the last of these calls that failed met, in the platform's own terms where the backend
    // knows them.
    const device::Failure& lastFailure() const { return mLastFailure; }

protected:
    virtual ~IOHIDDeviceInterface() = default;
    // Remembers inFailure as the last one, unless nothing failed, and returns its status.
    IOReturn fail(device::Failure inFailure) {
        if (inFailure.failed()) {
            mLastFailure = std::move(inFailure);
        }
        return inFailure.failed() ? mLastFailure.status : kIOReturnSuccess;
    }

private:
    device::Failure mLastFailure;
};

// The plug-in created for a service; it hands out the service's HID device interface.
class IOCFPlugInInterface {
public:
    virtual ~IOCFPlugInInterface() = default;
    // The caller owns one reference to the interface it receives.
    virtual IOReturn QueryInterface(std::string_view inInterfaceID,
                                    IOHIDDeviceInterface** outInterface) = 0;
};
