#pragma once

// The USB FM transmitter, as the device registry knows it.
inline constexpr long sTransmitterVendorID = 0x0F5A;
inline constexpr long sTransmitterProductID = 0x0B17;
