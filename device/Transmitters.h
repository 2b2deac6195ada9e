#pragma once

#include "device/DeviceServices.h"
#include "device/Failure.h"
#include "device/xr_device.h"

#include <chrono>
#include <memory>
#include <optional>
#include <string>
#include <vector>

namespace device {

// A new dictionary matching the transmitter, as the link watches for it; null when the services
// make none.
std::unique_ptr<MatchingDictionary> transmitterMatching(DeviceServices& inServices);

// A transmitter plugged in.
struct Transmitter {
    std::optional<std::string> node; // its device file, when the backend has one
    UInt16 hardwareVersion = 0;      // as the link reads it: 0xFFFF missing, 0xFFFE unusable
    Failure access;                  // why it may not be opened, or nothing
};

// The transmitters plugged in when it was made, in the order the link is offered them, held
// until it goes: what a program needs that lists them or sends one of them a tuning report, on
// the link's device services. Nothing is opened beyond what the link's check of access does.
class Transmitters {
public:
    explicit Transmitters(DeviceServices& inServices);
    ~Transmitters();
    Transmitters(const Transmitters&) = delete;
    Transmitters& operator=(const Transmitters&) = delete;

    // Why they could not be looked for, or nothing.
    const Failure& search() const { return mSearch; }
    const std::vector<Transmitter>& found() const { return mFound; }
    // The first that may be opened, as the link would take it up.
    std::optional<std::size_t> firstUsable() const;

    // Sends inReport to found()[inIndex] within the link's time limit, its node as it was found;
    // a node the seat's access has not reached yet is tried again until inAccessWait has passed.
    // What failed, or nothing.
    Failure send(std::size_t inIndex, const TuningReport& inReport,
                 std::chrono::milliseconds inAccessWait = {});

private:
    DeviceServices& mServices;
    Failure mSearch;
    std::vector<io_service_t> mHeld; // a reference to each found, in the same order
    std::vector<Transmitter> mFound;
};

} // namespace device
