// The simulated transmitter: plugged and unplugged on command, it prints what it receives.
#include "device/sim/ReportDescription.h"
#include "device/sim/SimulatedTransmitter.h"
#include "device/xr_device.h"
#include "support/ConnectionObserver.h"
#include "support/StreamCapture.h"

#include <gmock/gmock.h>
#include <gtest/gtest.h>

namespace {

using device::SimulatedTransmitter;
using ::testing::ElementsAre;

TEST(SimulatedTransmitter, IsAdoptedWhenPluggedAndPrintsEachReportItReceives) {
    SimulatedTransmitter transmitter(0x0107);
    xr_device link(transmitter);
    ConnectionObserver observer(link, transmitter);
    link.start();
    EXPECT_FALSE(link.connected());

    transmitter.plug();
    EXPECT_TRUE(link.connected());
    EXPECT_EQ(link.hardwareVersion(), 0x0107);

    StreamCapture out(STDOUT_FILENO);
    link.setFrequency(88100, 1, true);
    transmitter.unplug();
    link.setFrequency(90000, 1, true);

    EXPECT_EQ(out.text(), "report: C0 4B 71 0C 00 00  88.1 MHz stereo power 1\n");
    EXPECT_THAT(transmitter.reports(), ElementsAre(ElementsAre(0xC0, 0x4B, 0x71, 0x0C, 0, 0)));
    EXPECT_FALSE(link.connected());
    EXPECT_EQ(observer.seen.size(), 2u);

    // Plugged in again with another version, as another unit would be.
    transmitter.setHardwareVersion(0x0200);
    transmitter.plug();
    EXPECT_EQ(link.hardwareVersion(), 0x0200);
    EXPECT_EQ(transmitter.held().services, 1);
}

struct DescriptionCase {
    std::vector<UInt8> report;
    const char* text;
};

void PrintTo(const DescriptionCase& inCase, std::ostream* outStream) {
    *outStream << inCase.text;
}

class ReportDescription : public ::testing::TestWithParam<DescriptionCase> {};

TEST_P(ReportDescription, ShowsBytesFrequencyStereoAndPower) {
    const DescriptionCase& c = GetParam();
    EXPECT_EQ(device::describeTuningReport(c.report.data(), c.report.size()), c.text);
}

INSTANTIATE_TEST_SUITE_P(
    Reports, ReportDescription,
    ::testing::Values(DescriptionCase{{0xC0, 0x4B, 0x71, 0x0C, 0x00, 0x00},
                                      "C0 4B 71 0C 00 00  88.1 MHz stereo power 1"},
                      DescriptionCase{{0xC0, 0x4C, 0x37, 0x0E, 0x00, 0x00},
                                      "C0 4C 37 0E 00 00  107.9 MHz stereo power 0"},
                      DescriptionCase{{0xC0, 0x42, 0xF9, 0x00, 0x00, 0x00},
                                      "C0 42 F9 00 00 00  76.1 MHz mono power 7"},
                      DescriptionCase{{0xC0, 0x4B, 0x71}, "C0 4B 71  (not a tuning report)"}));

} // namespace
