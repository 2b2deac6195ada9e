#pragma once

#include "device/Backend.h"

#include <vector>

namespace device {

// One simulated transmitter, for trying the programs without the hardware. It is plugged in and
// unplugged on command (the host's Device menu), has hardware version 0100, and records every
// report it receives and prints it on standard output as "report: " followed by its bytes and
// their meaning.
class SimulatedTransmitter final : public Backend {
public:
    // Arrival and removal are told at once.
    void plug();
    void unplug();
    bool isPlugged() const { return mPlugged; }

    // The payload of every report received, in order.
    const std::vector<std::vector<UInt8>>& reports() const { return mReports; }

    Failure access(const Transmitter& /*inTransmitter*/) override { return {}; }
    Failure send(const Transmitter& inTransmitter, std::span<const UInt8> inReport,
                 std::chrono::milliseconds inLimit) override;

private:
    bool mPlugged = false;
    unsigned mPlugging = 0; // counts plugs, so that a report for one unplugged since is refused
    std::string mName;      // of the one plugged in last
    std::vector<std::vector<UInt8>> mReports;
};

} // namespace device
