#pragma once

#include "host/Types.h"

#include <cstddef>
#include <string>

namespace device {

// A tuning report as hex bytes and decoded: "C0 4B 71 0C 00 00  88.1 MHz stereo power 1".
std::string describeTuningReport(const UInt8* inReport, std::size_t inSize);

} // namespace device
