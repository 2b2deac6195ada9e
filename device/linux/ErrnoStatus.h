#pragma once

#include "host/Types.h"

namespace device {

// The IOReturn code for a failed system call's errno.
IOReturn ioReturnFromErrno(int inErrno);

} // namespace device
