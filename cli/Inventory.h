#pragma once

#include "device/DeviceServices.h"

#include <optional>
#include <string>
#include <vector>

namespace cli {

// A transmitter plugged in, as the device registry describes it.
struct Transmitter {
    std::optional<std::string> node;    // its device file, when the backend has one
    UInt16 hardwareVersion = 0;         // as the link reads it: 0xFFFF missing, 0xFFFE unusable
    IOReturn access = kIOReturnSuccess; // whether a link could take it up, and if not why
};

// Every matching transmitter, in the order the link is offered them, through the same device
// services and the same matching as the link. Nothing is opened beyond what creating the HID
// plug-in does (on Linux a check that the node may be written to); nothing is left held. The
// status is that of the matching registration.
IOReturn findTransmitters(device::DeviceServices& inServices, std::vector<Transmitter>* outFound);

} // namespace cli
