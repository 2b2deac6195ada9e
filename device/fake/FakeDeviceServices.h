#pragma once

#include "device/DeviceServices.h"

#include <optional>
#include <string>
#include <vector>

namespace device {

// A backend driven by a test, with the device services over it: transmitters are plugged,
// unplugged and sent messages on command, any one of the six calls whose failure the link logs
// can be made to fail, and so can every report. Callbacks run synchronously inside plug, unplug
// and sendMessage.
class FakeDeviceServices final : public Backend, public DeviceServices {
public:
    struct Device {
        std::string name;
        UInt16 hardwareVersion = 0x0100;
    };
    // A report that got through.
    struct Sent {
        std::vector<UInt8> bytes;
        std::chrono::milliseconds limit;
    };

    FakeDeviceServices() : DeviceServices(static_cast<Backend&>(*this)) {}

    // inCall fails with inStatus (IOServiceMatching returns null) until clearFailure.
    void failCall(Call inCall, IOReturn inStatus);
    void clearFailure();

    void plug(const Device& inDevice) { arrived({inDevice.name, {}, inDevice.hardwareVersion}); }
    void unplug(const std::string& inName) { removed(inName); }
    void sendMessage(const std::string& inName, natural_t inMessageType) {
        message(inName, inMessageType);
    }

    // Every report fails with inFailure from now on; nothing failed lets them through.
    void failReports(Failure inFailure) { mReportFailure = std::move(inFailure); }
    const std::vector<Sent>& sent() const { return mSent; }
    // The bytes of every report that got through, in order.
    std::vector<std::vector<UInt8>> reports() const;
    void clearSent() { mSent.clear(); }

    Failure access(const Transmitter& /*inTransmitter*/) override { return {}; }
    Failure send(const Transmitter& inTransmitter, std::span<const UInt8> inReport,
                 std::chrono::milliseconds inLimit) override;

private:
    IOReturn failureFor(Call inCall) const override;

    std::optional<Call> mFailingCall;
    IOReturn mCallFailure = kIOReturnSuccess;
    Failure mReportFailure;
    std::vector<Sent> mSent;
};

} // namespace device
