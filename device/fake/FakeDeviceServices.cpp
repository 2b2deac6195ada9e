#include "device/fake/FakeDeviceServices.h"

namespace device {

void FakeDeviceServices::failCall(Call inCall, IOReturn inStatus) {
    mFailingCall = inCall;
    mCallFailure = inStatus;
}

void FakeDeviceServices::clearFailure() {
    mFailingCall.reset();
    mCallFailure = kIOReturnSuccess;
}

IOReturn FakeDeviceServices::failureFor(Call inCall) const {
    return mFailingCall == inCall ? mCallFailure : kIOReturnSuccess;
}

std::vector<std::vector<UInt8>> FakeDeviceServices::reports() const {
    std::vector<std::vector<UInt8>> reports;
    for (const Sent& sent : mSent) {
        reports.push_back(sent.bytes);
    }
    return reports;
}

Failure FakeDeviceServices::send(const Transmitter& /*inTransmitter*/,
                                 std::span<const UInt8> inReport,
                                 std::chrono::milliseconds inLimit) {
    if (!mReportFailure.failed()) {
        mSent.push_back({{inReport.begin(), inReport.end()}, inLimit});
    }
    return mReportFailure;
}

} // namespace device
