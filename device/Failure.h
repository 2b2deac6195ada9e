#pragma once

#include "device/IOReturn.h"

#include <string>

namespace device {

// What went wrong with a transmitter: the status the link passes on and logs, and beside it what
// happened in the platform's own terms, so that a person can be told in words.
struct Failure {
    enum class Cause {
        Unknown,       // only the status is known
        OpenFailed,    // opening the node failed with error
        WriteFailed,   // writing the report failed with error
        CloseFailed,   // closing the node failed with error
        Unplugged,     // the transmitter went away between the open and the write
        HeldPastLimit, // the kernel held the write past the time limit
        HeldEarlier,   // an earlier write is still held by the kernel
    };

    IOReturn status = kIOReturnSuccess;
    Cause cause = Cause::Unknown;
    int error = 0;      // the errno of a failed system call, or 0
    std::string node{}; // the transmitter's device file, when known

    bool failed() const { return status != kIOReturnSuccess; }
    bool operator==(const Failure&) const = default;
};

} // namespace device
