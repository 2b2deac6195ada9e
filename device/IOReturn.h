#pragma once

#include <cstdint>

// Status codes of the device services: 0 is success, failures are the platform's kernel-return
// codes, which are negative as signed 32-bit values.
using IOReturn = std::int32_t;
inline constexpr IOReturn kIOReturnSuccess = 0;
inline constexpr IOReturn kIOReturnError = static_cast<IOReturn>(0xE00002BCu);
inline constexpr IOReturn kIOReturnNoResources = static_cast<IOReturn>(0xE00002BEu);
inline constexpr IOReturn kIOReturnNoDevice = static_cast<IOReturn>(0xE00002C0u);
inline constexpr IOReturn kIOReturnNotPrivileged = static_cast<IOReturn>(0xE00002C1u);
inline constexpr IOReturn kIOReturnBadArgument = static_cast<IOReturn>(0xE00002C2u);
inline constexpr IOReturn kIOReturnExclusiveAccess = static_cast<IOReturn>(0xE00002C5u);
inline constexpr IOReturn kIOReturnUnsupported = static_cast<IOReturn>(0xE00002C7u);
inline constexpr IOReturn kIOReturnNotOpen = static_cast<IOReturn>(0xE00002CDu);
inline constexpr IOReturn kIOReturnBusy = static_cast<IOReturn>(0xE00002D5u);
inline constexpr IOReturn kIOReturnTimeout = static_cast<IOReturn>(0xE00002D6u);
