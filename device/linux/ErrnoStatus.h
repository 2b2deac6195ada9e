#pragma once

#include "device/Failure.h"

namespace device {

// The IOReturn code for a failed system call's errno.
IOReturn ioReturnFromErrno(int inErrno);

// A system call of inCause that failed with inErrno, under the status its errno stands for.
Failure systemFailure(Failure::Cause inCause, int inErrno);

} // namespace device
