#include "device/linux/HidrawInterface.h"

#include "device/IOReturn.h"
#include "device/linux/ErrnoStatus.h"

#include <array>
#include <cerrno>
#include <cstring>

#include <fcntl.h>

namespace device {

namespace {

// A hidraw output report is at most a USB full-speed packet, after its report ID byte.
constexpr UInt32 sMaxReportSize = ReportWriter::sMaxBytes - 1;

} // namespace

HidrawInterface::HidrawInterface(std::shared_ptr<LiveTally> inTally, std::string inNode,
                                 ReportWriter& inWriter)
    : CountedHIDInterface(std::move(inTally)), mNode(std::move(inNode)), mWriter(inWriter) {
}

Failure HidrawInterface::openNode(const std::string& inNode, int* outFd) {
    // Non-blocking, so that a node the device no longer serves cannot hold the open.
    *outFd = ::open(inNode.c_str(), O_WRONLY | O_NONBLOCK | O_CLOEXEC);
    Failure failure = *outFd < 0 ? systemFailure(Failure::Cause::OpenFailed, errno) : Failure{};
    failure.node = inNode;
    return failure;
}

IOReturn HidrawInterface::fail(Failure inFailure) {
    inFailure.node = mNode;
    return IOHIDDeviceInterface::fail(std::move(inFailure));
}

IOReturn HidrawInterface::open(UInt32 /*inOptions*/) {
    if (mOpen) {
        return fail({.status = kIOReturnExclusiveAccess});
    }
    // The open would wait in the kernel behind the held write, for seconds.
    if (mWriter.stalled()) {
        return fail({.status = kIOReturnBusy, .cause = Failure::Cause::HeldEarlier});
    }
    int fd = -1;
    Failure opened = openNode(mNode, &fd);
    if (opened.failed()) {
        return fail(std::move(opened));
    }
    mFile = FileDescriptor(fd);
    mOpen = true;
    return kIOReturnSuccess;
}

IOReturn HidrawInterface::close() {
    if (!mOpen) {
        return fail({.status = kIOReturnNotOpen});
    }
    mOpen = false;
    // A write that outlived its limit has taken the descriptor: nothing is left to close.
    return mFile.reset() ? kIOReturnSuccess
                         : fail(systemFailure(Failure::Cause::CloseFailed, errno));
}

IOReturn HidrawInterface::setReport(IOHIDReportType inReportType, UInt32 inReportID,
                                    const UInt8* inReportBuffer, UInt32 inReportBufferSize,
                                    UInt32 inTimeoutMS) {
    if (!mOpen || mFile.get() < 0) {
        return fail({.status = kIOReturnNotOpen});
    }
    // hidraw writes output reports only.
    if (inReportType != kIOHIDReportTypeOutput) {
        return fail({.status = kIOReturnUnsupported});
    }
    if (inReportBuffer == nullptr || inReportBufferSize == 0 ||
        inReportBufferSize > sMaxReportSize || inReportID > 0xFF) {
        return fail({.status = kIOReturnBadArgument});
    }
    // hidraw takes the report ID as the first byte, 0 for a device without numbered reports.
    std::array<UInt8, ReportWriter::sMaxBytes> bytes{};
    bytes[0] = static_cast<UInt8>(inReportID);
    std::memcpy(bytes.data() + 1, inReportBuffer, inReportBufferSize);
    Failure written = mWriter.write(mFile, std::span(bytes.data(), inReportBufferSize + 1),
                                    std::chrono::milliseconds(inTimeoutMS));
    return written.failed() ? fail(std::move(written)) : kIOReturnSuccess;
}

} // namespace device
