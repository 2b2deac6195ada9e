#pragma once

#include "device/ServiceRegistry.h"

#include <optional>

struct udev_device;

namespace device {

// A hidraw node of a USB HID device as a registry entry: class "IOHIDDevice", keyed by its sysfs
// path, with the USB device's "VendorID", "ProductID" and, from bcdDevice, "VersionNumber" (a
// string when it is no hexadecimal number, missing when absent), and its device node. Nothing
// for a node without a device file name or not on USB.
std::optional<RegistryEntry> hidrawEntry(udev_device* inDevice);

} // namespace device
