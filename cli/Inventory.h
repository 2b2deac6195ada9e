#pragma once

#include "device/DeviceServices.h"

#include <functional>
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

// Calls inVisit with every matching service, in the order the link is offered them, through the
// same device services and the same matching as the link; each is released after the call. The
// status is that of the matching registration.
IOReturn visitTransmitters(device::DeviceServices& inServices,
                           const std::function<void(io_service_t)>& inVisit);

// The node and the hardware version of a matching service; its access is not looked at.
Transmitter describe(device::DeviceServices& inServices, io_service_t inService);

// Every matching transmitter, described, with whether it can be taken up. Nothing is opened
// beyond what creating the HID plug-in does (on Linux a check that the node may be written to);
// nothing is left held.
IOReturn findTransmitters(device::DeviceServices& inServices, std::vector<Transmitter>* outFound);

} // namespace cli
