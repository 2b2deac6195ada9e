#pragma once

#include "device/CountedInterfaces.h"
#include "device/linux/FileDescriptor.h"
#include "device/linux/ReportWriter.h"

#include <memory>
#include <string>

namespace device {

// The HID device interface of a hidraw node: open opens the node for writing, setReport writes
// the report ID byte followed by the report, close lets go of the node.
class HidrawInterface final : public CountedHIDInterface {
public:
    // Reports go through inWriter, which must outlive the interface.
    HidrawInterface(std::shared_ptr<LiveTally> inTally, std::string inNode, ReportWriter& inWriter);

    IOReturn open(UInt32 inOptions) override;
    IOReturn close() override;
    IOReturn setReport(IOHIDReportType inReportType, UInt32 inReportID, const UInt8* inReportBuffer,
                       UInt32 inReportBufferSize, UInt32 inTimeoutMS) override;

    // Opens inNode the way the interface does, for a check of write access: what failed, with
    // the node.
    static Failure openNode(const std::string& inNode, int* outFd);

private:
    // Remembers inFailure, with the node, as the last one.
    IOReturn fail(Failure inFailure);

    std::string mNode;
    ReportWriter& mWriter;
    FileDescriptor mFile{-1}; // open between open and close, unless a held write took it
    bool mOpen = false;
};

} // namespace device
