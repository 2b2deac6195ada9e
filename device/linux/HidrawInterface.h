#pragma once

#include "device/CountedInterfaces.h"
#include "device/linux/FileDescriptor.h"

#include <memory>
#include <string>

namespace device {

// The HID device interface of a hidraw node: open opens the node for writing, setReport writes
// the report ID byte followed by the report, close lets go of the node.
class HidrawInterface final : public CountedHIDInterface {
public:
    HidrawInterface(std::shared_ptr<LiveTally> inTally, std::string inNode);

    IOReturn open(UInt32 inOptions) override;
    IOReturn close() override;
    IOReturn setReport(IOHIDReportType inReportType, UInt32 inReportID, const UInt8* inReportBuffer,
                       UInt32 inReportBufferSize, UInt32 inTimeoutMS) override;

    // Opens inNode the way the interface does, for a check of write access.
    static IOReturn openNode(const std::string& inNode, int* outFd);

private:
    std::string mNode;
    std::shared_ptr<const FileDescriptor> mFile; // shared with a write still under way
};

} // namespace device
