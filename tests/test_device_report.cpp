// The tuning report: its bytes, and how it is written to the transmitter.
#include "device/fake/FakeDeviceServices.h"
#include "device/xr_device.h"
#include "support/StreamCapture.h"

#include <gmock/gmock.h>
#include <gtest/gtest.h>

#include <limits>
#include <ostream>

namespace {

using device::FakeDeviceServices;
using HIDCall = FakeDeviceServices::HIDCall;
using Bytes = std::vector<UInt8>;
using ::testing::ElementsAre;
using ::testing::IsEmpty;

class Report : public ::testing::Test {
protected:
    void SetUp() override {
        services.plug({"tx"});
        link.start();
        ASSERT_TRUE(link.connected());
    }

    std::vector<HIDCall::Kind> kinds() const {
        std::vector<HIDCall::Kind> kinds;
        for (const HIDCall& call : services.hidCalls()) {
            kinds.push_back(call.kind);
        }
        return kinds;
    }

    FakeDeviceServices services;
    xr_device link{services};
};

struct ReportCase {
    SInt32 freqkHz;
    SInt32 power;
    bool stereo;
    Bytes bytes;
};

void PrintTo(const ReportCase& inCase, std::ostream* outStream) {
    *outStream << inCase.freqkHz << "kHz power " << inCase.power
               << (inCase.stereo ? " stereo" : " mono");
}

class WorkedReport : public Report, public ::testing::WithParamInterface<ReportCase> {};

TEST_P(WorkedReport, IsOneOutputReportBetweenOpenAndClose) {
    const ReportCase c = GetParam();
    link.setFrequency(c.freqkHz, c.power, c.stereo);

    const std::vector<HIDCall>& calls = services.hidCalls();
    ASSERT_THAT(kinds(), ElementsAre(HIDCall::Open, HIDCall::SetReport, HIDCall::Close));
    EXPECT_EQ(calls[0].options, kIOHIDOptionsTypeNone);
    EXPECT_EQ(calls[1].reportType, kIOHIDReportTypeOutput);
    EXPECT_EQ(calls[1].reportID, 0u);
    EXPECT_EQ(calls[1].timeoutMS, 1000u);
    EXPECT_EQ(calls[1].bytes, c.bytes);
}

INSTANTIATE_TEST_SUITE_P(
    Table, WorkedReport,
    ::testing::Values(ReportCase{88100, 1, true, {0xC0, 0x4B, 0x71, 0x0C, 0x00, 0x00}},
                      ReportCase{88100, 1, false, {0xC0, 0x43, 0x71, 0x0C, 0x00, 0x00}},
                      ReportCase{107900, 1, true, {0xC0, 0x4C, 0x37, 0x0C, 0x00, 0x00}},
                      ReportCase{89900, 1, true, {0xC0, 0x4B, 0x83, 0x0C, 0x00, 0x00}},
                      ReportCase{76100, 1, false, {0xC0, 0x42, 0xF9, 0x0C, 0x00, 0x00}},
                      // Truncated to whole 100 kHz steps.
                      ReportCase{88150, 1, true, {0xC0, 0x4B, 0x71, 0x0C, 0x00, 0x00}},
                      ReportCase{88199, 1, true, {0xC0, 0x4B, 0x71, 0x0C, 0x00, 0x00}},
                      // Only the low three bits of the power count.
                      ReportCase{88100, 0, true, {0xC0, 0x4B, 0x71, 0x0E, 0x00, 0x00}},
                      ReportCase{88100, 7, true, {0xC0, 0x4B, 0x71, 0x00, 0x00, 0x00}},
                      ReportCase{88100, 8, true, {0xC0, 0x4B, 0x71, 0x0E, 0x00, 0x00}},
                      ReportCase{88100,
                                 std::numeric_limits<SInt32>::max(),
                                 true,
                                 {0xC0, 0x4B, 0x71, 0x00, 0x00, 0x00}},
                      // The ends of the 11-bit field.
                      ReportCase{-99, 1, false, {0xC0, 0x40, 0x00, 0x0C, 0x00, 0x00}},
                      ReportCase{204799, 1, true, {0xC0, 0x4F, 0xFF, 0x0C, 0x00, 0x00}}));

// A count of 100 kHz steps outside the 11-bit field would spill into the stereo and fixed bits.
class OutOfFieldFrequency : public Report, public ::testing::WithParamInterface<SInt32> {};

TEST_P(OutOfFieldFrequency, SendsNothingAndIsABadArgument) {
    StreamCapture log(STDERR_FILENO);
    EXPECT_EQ(link.sendTuningReport(GetParam(), 1, true), kIOReturnBadArgument);
    link.setFrequency(GetParam(), 1, true);
    EXPECT_THAT(services.hidCalls(), IsEmpty());
    EXPECT_EQ(log.text(), "");
}

INSTANTIATE_TEST_SUITE_P(Frequencies, OutOfFieldFrequency,
                         ::testing::Values(-100, 204800, std::numeric_limits<SInt32>::min(),
                                           std::numeric_limits<SInt32>::max()));

// What sendUSBReport returns, and which calls it makes, for each outcome of the three steps.
struct SendCase {
    IOReturn open;
    IOReturn setReport;
    IOReturn close;
    IOReturn result;
    std::vector<HIDCall::Kind> calls;
    IOReturn tuningResult; // what the caller who asks for a status learns
};

void PrintTo(const SendCase& inCase, std::ostream* outStream) {
    *outStream << std::hex << "open " << inCase.open << " setReport " << inCase.setReport
               << " close " << inCase.close;
}

class Send : public Report, public ::testing::WithParamInterface<SendCase> {};

TEST_P(Send, ReturnsTheOpenOrCloseStatusAndClosesWhatItOpened) {
    const SendCase c = GetParam();
    services.failOpen(c.open);
    services.failSetReport(c.setReport);
    services.failClose(c.close);
    const UInt8 report[6] = {0xC0, 0x4B, 0x71, 0x0C, 0x00, 0x00};

    StreamCapture log(STDERR_FILENO);
    EXPECT_EQ(link.sendUSBReport(report), c.result);
    EXPECT_EQ(kinds(), c.calls);
    services.clearHIDCalls();
    EXPECT_EQ(link.sendTuningReport(88100, 1, true), c.tuningResult);
    EXPECT_EQ(kinds(), c.calls);
    EXPECT_EQ(log.text(), ""); // nothing about a report is ever logged
}

INSTANTIATE_TEST_SUITE_P(
    Outcomes, Send,
    ::testing::Values(SendCase{kIOReturnSuccess,
                               kIOReturnSuccess,
                               kIOReturnSuccess,
                               kIOReturnSuccess,
                               {HIDCall::Open, HIDCall::SetReport, HIDCall::Close},
                               kIOReturnSuccess},
                      SendCase{kIOReturnExclusiveAccess,
                               kIOReturnSuccess,
                               kIOReturnSuccess,
                               kIOReturnExclusiveAccess,
                               {HIDCall::Open},
                               kIOReturnExclusiveAccess},
                      SendCase{kIOReturnSuccess,
                               kIOReturnTimeout,
                               kIOReturnSuccess,
                               kIOReturnSuccess,
                               {HIDCall::Open, HIDCall::SetReport, HIDCall::Close},
                               kIOReturnTimeout},
                      SendCase{kIOReturnSuccess,
                               kIOReturnSuccess,
                               kIOReturnNoDevice,
                               kIOReturnNoDevice,
                               {HIDCall::Open, HIDCall::SetReport, HIDCall::Close},
                               kIOReturnNoDevice},
                      SendCase{kIOReturnSuccess,
                               kIOReturnNoDevice,
                               kIOReturnError,
                               kIOReturnError,
                               {HIDCall::Open, HIDCall::SetReport, HIDCall::Close},
                               kIOReturnNoDevice}));

TEST(ReportWhileDisconnected, SendsNothingAndSucceeds) {
    FakeDeviceServices services;
    xr_device link{services};
    const UInt8 report[6] = {0xC0, 0x4B, 0x71, 0x0C, 0x00, 0x00};

    EXPECT_EQ(link.sendUSBReport(report), kIOReturnSuccess); // before start
    link.start();
    services.plug({"tx"});
    services.unplug("tx");
    EXPECT_EQ(link.sendUSBReport(report), kIOReturnSuccess);
    EXPECT_EQ(link.sendTuningReport(-100, 1, true), kIOReturnSuccess);
    link.setFrequency(88100, 1, true);

    EXPECT_THAT(services.hidCalls(), IsEmpty());
}

} // namespace
