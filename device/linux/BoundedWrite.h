#pragma once

#include "device/linux/FileDescriptor.h"
#include "host/Types.h"

#include <chrono>
#include <memory>
#include <vector>

namespace device {

// Writes inBytes to inFile and returns within inLimit: kIOReturnTimeout when the file has not
// taken them all by then. The write runs on a helper thread because a hidraw node ignores
// O_NONBLOCK and the kernel may hold write() for its own USB timeout of several seconds; the
// helper keeps the descriptor open until that write returns, so the caller may let go of it at
// once.
IOReturn writeWithin(std::shared_ptr<const FileDescriptor> inFile, std::vector<UInt8> inBytes,
                     std::chrono::milliseconds inLimit);

} // namespace device
