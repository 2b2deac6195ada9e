#pragma once

#include <cstdint>

// Fixed-width types under the names the rest of the system uses for them.
using SInt16 = std::int16_t;
using SInt32 = std::int32_t;
using UInt8 = std::uint8_t;
using UInt16 = std::uint16_t;
using UInt32 = std::uint32_t;
using Float32 = float;
