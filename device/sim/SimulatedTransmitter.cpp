#include "device/sim/SimulatedTransmitter.h"

#include "device/sim/ReportDescription.h"

#include <cstdio>
#include <string>

namespace device {

void SimulatedTransmitter::plug() {
    if (mPlugged) {
        return;
    }
    mPlugged = true;
    mName = "simulated-transmitter-" + std::to_string(++mPlugging);
    arrived({mName, {}, 0x0100});
}

void SimulatedTransmitter::unplug() {
    if (!mPlugged) {
        return;
    }
    mPlugged = false;
    removed(mName);
}

Failure SimulatedTransmitter::send(const Transmitter& inTransmitter,
                                   std::span<const UInt8> inReport,
                                   std::chrono::milliseconds /*inLimit*/) {
    if (!mPlugged || inTransmitter.name != mName) {
        return {.status = kIOReturnNoDevice, .cause = Failure::Cause::Unplugged};
    }
    mReports.emplace_back(inReport.begin(), inReport.end());
    std::printf("report: %s\n", describeTuningReport(inReport.data(), inReport.size()).c_str());
    std::fflush(stdout);
    return {};
}

} // namespace device
