#include "device/linux/HidrawEntry.h"

#include "device/TransmitterIDs.h"

#include <charconv>
#include <cstring>

#include <libudev.h>

namespace device {

namespace {

// sysfs writes the USB descriptor fields as bare hexadecimal, "0f5a".
std::optional<long long> hexNumber(const char* inText) {
    const std::size_t length = std::strlen(inText);
    long long value = 0;
    const auto [end, error] = std::from_chars(inText, inText + length, value, 16);
    if (length == 0 || length > 8 || error != std::errc() || end != inText + length) {
        return std::nullopt;
    }
    return value;
}

void setNumber(PropertyDictionary& ioProperties, const char* inKey, udev_device* inDevice,
               const char* inAttribute) {
    const char* text = udev_device_get_sysattr_value(inDevice, inAttribute);
    if (text == nullptr) {
        return;
    }
    if (const auto number = hexNumber(text)) {
        ioProperties[inKey] = *number;
    } else {
        ioProperties[inKey] = std::string(text);
    }
}

} // namespace

std::optional<RegistryEntry> hidrawEntry(udev_device* inDevice) {
    const char* node = udev_device_get_devnode(inDevice);
    // The parents belong to inDevice and go with it.
    udev_device* hid = udev_device_get_parent_with_subsystem_devtype(inDevice, "hid", nullptr);
    udev_device* usb = udev_device_get_parent_with_subsystem_devtype(inDevice, "usb", "usb_device");
    if (node == nullptr || hid == nullptr || usb == nullptr) {
        return std::nullopt;
    }
    RegistryEntry entry{udev_device_get_syspath(inDevice), kHIDDeviceClass, {}};
    setNumber(entry.properties, kVendorIDKey, usb, "idVendor");
    setNumber(entry.properties, kProductIDKey, usb, "idProduct");
    setNumber(entry.properties, kVersionNumberKey, usb, "bcdDevice");
    entry.properties[kDeviceNodeKey] = std::string(node);
    return entry;
}

} // namespace device
