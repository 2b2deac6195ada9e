#pragma once

#include "device/ServiceRegistry.h"

#include <vector>

namespace device {

// Device services with one simulated transmitter, for trying the program without the hardware.
// It is plugged in and unplugged on command (the host's Device menu), reports the hardware
// version it was plugged in with, and records every report it receives and prints it on
// standard output as "report: " followed by its bytes and their meaning.
class SimulatedTransmitter final : public ServiceRegistry {
public:
    explicit SimulatedTransmitter(UInt16 inHardwareVersion = 0x0100);

    // Arrival and removal reach the link at once.
    void plug();
    void unplug();
    bool isPlugged() const { return mPlugged; }

    // Takes effect at the next plug.
    void setHardwareVersion(UInt16 inVersion) { mHardwareVersion = inVersion; }
    UInt16 hardwareVersion() const { return mHardwareVersion; }

    // The payload of every report received, in order.
    const std::vector<std::vector<UInt8>>& reports() const { return mReports; }

private:
    class Interface;

    Failure makeInterfaceFactory(const RegistryEntry& inEntry,
                                 HIDInterfaceFactory* outFactory) override;
    // True while the transmitter of inPlugging is still plugged in.
    bool isPlugged(unsigned inPlugging) const { return mPlugged && inPlugging == mPlugging; }
    void receive(const UInt8* inReport, UInt32 inSize);

    UInt16 mHardwareVersion;
    bool mPlugged = false;
    unsigned mPlugging = 0; // counts plugs, so that an interface outliving its device knows
    std::vector<std::vector<UInt8>> mReports;
};

} // namespace device
