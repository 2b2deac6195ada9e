#include "device/linux/HidrawInterface.h"

#include "device/IOReturn.h"
#include "device/linux/BoundedWrite.h"
#include "device/linux/ErrnoStatus.h"

#include <cerrno>
#include <vector>

#include <fcntl.h>

namespace device {

namespace {

// A hidraw output report is at most a USB full-speed packet.
constexpr UInt32 sMaxReportSize = 64;

} // namespace

HidrawInterface::HidrawInterface(std::shared_ptr<LiveTally> inTally, std::string inNode)
    : CountedHIDInterface(std::move(inTally)), mNode(std::move(inNode)) {
}

IOReturn HidrawInterface::openNode(const std::string& inNode, int* outFd) {
    // Non-blocking, so that a node the device no longer serves cannot hold the open.
    *outFd = ::open(inNode.c_str(), O_WRONLY | O_NONBLOCK | O_CLOEXEC);
    return *outFd < 0 ? ioReturnFromErrno(errno) : kIOReturnSuccess;
}

IOReturn HidrawInterface::open(UInt32 /*inOptions*/) {
    if (mFile) {
        return kIOReturnExclusiveAccess;
    }
    int fd = -1;
    const IOReturn status = openNode(mNode, &fd);
    if (status == kIOReturnSuccess) {
        mFile = std::make_shared<const FileDescriptor>(fd);
    }
    return status;
}

IOReturn HidrawInterface::close() {
    if (!mFile) {
        return kIOReturnNotOpen;
    }
    mFile.reset();
    return kIOReturnSuccess;
}

IOReturn HidrawInterface::setReport(IOHIDReportType inReportType, UInt32 inReportID,
                                    const UInt8* inReportBuffer, UInt32 inReportBufferSize,
                                    UInt32 inTimeoutMS) {
    if (!mFile) {
        return kIOReturnNotOpen;
    }
    // hidraw writes output reports only.
    if (inReportType != kIOHIDReportTypeOutput) {
        return kIOReturnUnsupported;
    }
    if (inReportBuffer == nullptr || inReportBufferSize == 0 ||
        inReportBufferSize > sMaxReportSize || inReportID > 0xFF) {
        return kIOReturnBadArgument;
    }
    // hidraw takes the report ID as the first byte, 0 for a device without numbered reports.
    std::vector<UInt8> bytes;
    bytes.reserve(inReportBufferSize + 1);
    bytes.push_back(static_cast<UInt8>(inReportID));
    bytes.insert(bytes.end(), inReportBuffer, inReportBuffer + inReportBufferSize);
    return writeWithin(mFile, std::move(bytes), std::chrono::milliseconds(inTimeoutMS));
}

} // namespace device
