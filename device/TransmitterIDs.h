#pragma once

// The USB FM transmitter, as the device registry knows it.
inline constexpr long sTransmitterVendorID = 0x0F5A;
inline constexpr long sTransmitterProductID = 0x0B17;

// The registry's names: the class of a HID service, the keys that match the transmitter, and the
// property that holds its hardware version.
inline constexpr char kHIDDeviceClass[] = "IOHIDDevice";
inline constexpr char kVendorIDKey[] = "VendorID";
inline constexpr char kProductIDKey[] = "ProductID";
inline constexpr char kVersionNumberKey[] = "VersionNumber";
