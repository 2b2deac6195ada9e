#include "device/linux/ErrnoStatus.h"

#include "device/IOReturn.h"

#include <cerrno>

namespace device {

IOReturn ioReturnFromErrno(int inErrno) {
    switch (inErrno) {
    case 0:
        return kIOReturnSuccess;
    case ENODEV:
    case ENXIO:
    case ENOENT:
        return kIOReturnNoDevice;
    case EACCES:
    case EPERM:
        return kIOReturnNotPrivileged;
    case EBUSY:
        return kIOReturnExclusiveAccess;
    case ETIMEDOUT:
        return kIOReturnTimeout;
    default:
        return kIOReturnError;
    }
}

} // namespace device

namespace device {

Failure systemFailure(Failure::Cause inCause, int inErrno) {
    return {.status = ioReturnFromErrno(inErrno), .cause = inCause, .error = inErrno};
}

} // namespace device
