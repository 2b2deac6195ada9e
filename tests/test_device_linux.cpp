// The transmitter link on the Linux device services: real libudev against umockdev's mock sysfs,
// with real uevents, and hidraw nodes whose written bytes are read back.
#include "device/linux/HidrawInterface.h"
#include "device/linux/LinuxDeviceServices.h"
#include "device/xr_device.h"
#include "support/ConnectionObserver.h"
#include "support/MockSysfs.h"
#include "support/StreamCapture.h"

#include <QTest>

#include <gmock/gmock.h>
#include <gtest/gtest.h>

#include <chrono>
#include <filesystem>
#include <memory>
#include <vector>

#include <fcntl.h>
#include <poll.h>
#include <unistd.h>

// umockdev's preload library comes before the sanitizer runtime; that order is intended here.
extern "C" __attribute__((used)) const char* __asan_default_options() {
    return "verify_asan_link_order=0";
}

namespace {

using device::HeldReferences;
using device::LinuxDeviceServices;
using ::testing::ElementsAre;
using ::testing::IsEmpty;
using ::testing::MatchesRegex;
using Clock = std::chrono::steady_clock;

constexpr HeldReferences sWatching{0, 1, 0, 1, 0, 0, 0};
constexpr HeldReferences sConnected{1, 1, 1, 1, 0, 1, 0};

class LinuxLink : public ::testing::Test {
protected:
    void SetUp() override { ASSERT_TRUE(MockSysfs::isActive()) << "run under umockdev-wrapper"; }

    void startLink() {
        services = std::make_unique<LinuxDeviceServices>();
        ASSERT_TRUE(services->isMonitoring());
        link = std::make_unique<xr_device>(*services);
        observer = std::make_unique<ConnectionObserver>(*link, *services);
        ASSERT_EQ(link->start(), kIOReturnSuccess);
    }

    // Runs the event loop until the uevents so far have been handled.
    void settle(bool inConnected) {
        ASSERT_TRUE(QTest::qWaitFor([&] { return link->connected() == inConnected; }, 3000));
    }

    MockSysfs sysfs;
    std::unique_ptr<LinuxDeviceServices> services;
    std::unique_ptr<xr_device> link;
    std::unique_ptr<ConnectionObserver> observer;
};

struct VersionCase {
    std::optional<std::string> bcdDevice;
    UInt16 version;
};

void PrintTo(const VersionCase& inCase, std::ostream* outStream) {
    *outStream << (inCase.bcdDevice ? *inCase.bcdDevice : "missing");
}

class LinuxVersion : public LinuxLink, public ::testing::WithParamInterface<VersionCase> {};

TEST_P(LinuxVersion, TransmitterPresentAtStartIsAdoptedWithItsBcdDevice) {
    sysfs.add({.index = 0, .bcdDevice = GetParam().bcdDevice});
    startLink();

    EXPECT_TRUE(link->connected());
    EXPECT_EQ(link->hardwareVersion(), GetParam().version);
    EXPECT_EQ(observer->seen.size(), 1u);
    EXPECT_EQ(services->held(), sConnected);
}

INSTANTIATE_TEST_SUITE_P(BcdDevice, LinuxVersion,
                         ::testing::Values(VersionCase{"0102", 0x0102},
                                           VersionCase{std::nullopt, 0xFFFF},
                                           VersionCase{"1.02", 0xFFFE}));

TEST_F(LinuxLink, AddUeventAdoptsAndRemoveUeventDisconnects) {
    startLink();
    EXPECT_FALSE(link->connected());

    sysfs.add({.index = 3, .bcdDevice = "0203"});
    settle(true);
    EXPECT_EQ(link->hardwareVersion(), 0x0203);

    sysfs.remove(3);
    settle(false);
    ASSERT_EQ(observer->seen.size(), 2u);
    EXPECT_FALSE(observer->seen[1].connected);
    EXPECT_EQ(observer->seen[1].hardwareVersion, 0x0203);
    EXPECT_EQ(services->held(), sWatching);
}

TEST_F(LinuxLink, ReportReachesTheNodeAsReportIDZeroAndSixBytes) {
    sysfs.add({.index = 0});
    startLink();

    link->setFrequency(88100, 1, true);
    EXPECT_THAT(sysfs.written(0), ElementsAre(0x00, 0xC0, 0x4B, 0x71, 0x0C, 0x00, 0x00));

    link->setFrequency(76100, 1, false);
    EXPECT_THAT(sysfs.written(0), ElementsAre(0x00, 0xC0, 0x42, 0xF9, 0x0C, 0x00, 0x00));
}

TEST_F(LinuxLink, AnotherVendorsNodeIsIgnored) {
    sysfs.add({.index = 0, .idVendor = "046d"});
    startLink();
    sysfs.add({.index = 1, .idVendor = "046d"});
    sysfs.add({.index = 2, .idProduct = "0b18"});
    sysfs.add({.index = 3});
    settle(true); // the transmitter added last, once the others have been passed over

    EXPECT_EQ(observer->seen.size(), 1u);
    link->setFrequency(88100, 1, true);
    EXPECT_THAT(sysfs.written(0), IsEmpty());
    EXPECT_THAT(sysfs.written(1), IsEmpty());
    EXPECT_THAT(sysfs.written(3), ::testing::SizeIs(7));
    EXPECT_EQ(services->held(), sConnected);
}

TEST_F(LinuxLink, NodeThatCannotBeOpenedForWritingIsNotAdoptedUntilItArrivesAgain) {
    startLink();
    StreamCapture log(STDERR_FILENO);

    sysfs.add({.index = 0, .withNode = false});
    QTest::qWait(200);

    EXPECT_FALSE(link->connected());
    const auto lines = log.lines();
    ASSERT_EQ(lines.size(), 1u);
    EXPECT_THAT(lines[0], MatchesRegex("IOCreatePlugInInterfaceForService failed File "
                                       ".*device/xr_device\\.cpp Line [0-9]+ - result e00002c0"));
    EXPECT_THAT(observer->seen, IsEmpty());
    EXPECT_EQ(services->held(), sWatching);

    // Mended (for a user: the udev rule installed) and plugged in again.
    sysfs.remove(0);
    sysfs.add({.index = 0});
    settle(true);
}

TEST_F(LinuxLink, TransmitterGoneBeforeTheReportIsNoErrorAndTheRemovalTearsDown) {
    sysfs.add({.index = 0});
    startLink();
    StreamCapture log(STDERR_FILENO);

    sysfs.remove(0); // its uevent is not handled until the event loop runs
    EXPECT_EQ(link->sendTuningReport(88100, 1, true), kIOReturnNoDevice);
    EXPECT_TRUE(link->connected());

    settle(false);
    EXPECT_EQ(log.text(), "");
    EXPECT_EQ(services->held(), sWatching);
}

TEST_F(LinuxLink, HundredPlugCyclesLeaveNoDescriptorOrReferenceBehind) {
    startLink();
    const std::size_t before = MockSysfs::openDescriptors();

    // umockdev makes a node name only once, so each cycle's transmitter gets the next one.
    for (unsigned cycle = 0; cycle < 100; ++cycle) {
        sysfs.add({.index = cycle});
        settle(true);
        link->setFrequency(88100, 1, true);
        ASSERT_EQ(sysfs.written(cycle).size(), 7u);
        sysfs.remove(cycle);
        settle(false);
    }

    EXPECT_EQ(MockSysfs::openDescriptors(), before);
    EXPECT_EQ(observer->seen.size(), 200u);
    EXPECT_EQ(services->held(), sWatching);
}

// The HID interface on a node directly, for what the link does not report.
class HidrawNode : public ::testing::Test {
protected:
    void SetUp() override {
        ASSERT_TRUE(MockSysfs::isActive()) << "run under umockdev-wrapper";
        sysfs.add({.index = 0});
        interface = new device::HidrawInterface(tally, MockSysfs::node(0), writer);
    }
    void TearDown() override { interface->Release(); }

    static constexpr UInt8 sReport[6] = {0xC0, 0x4B, 0x71, 0x0C, 0x00, 0x00};
    MockSysfs sysfs;
    std::shared_ptr<device::LiveTally> tally = std::make_shared<device::LiveTally>();
    device::ReportWriter writer;
    device::HidrawInterface* interface = nullptr;
};

TEST_F(HidrawNode, NodeThatDoesNotTakeTheReportTimesOutAfterItsTimeout) {
    // Fill the node's buffer so that the next write would block.
    const device::FileDescriptor filler(
        ::open(MockSysfs::node(0).c_str(), O_WRONLY | O_NONBLOCK | O_CLOEXEC));
    ASSERT_GE(filler.get(), 0);
    // The terminal moves its buffer on in the background, so it is full only once it stays so;
    // on a loaded machine that background work can lag by a good part of a second.
    pollfd writable{filler.get(), POLLOUT, 0};
    do {
        while (::write(filler.get(), sReport, sizeof sReport) > 0) {
        }
    } while (::poll(&writable, 1, 500) > 0);

    ASSERT_EQ(interface->open(kIOHIDOptionsTypeNone), kIOReturnSuccess);
    const auto start = Clock::now();
    EXPECT_EQ(interface->setReport(kIOHIDReportTypeOutput, 0, sReport, 6, 1000), kIOReturnTimeout);
    const auto waited = Clock::now() - start;
    EXPECT_EQ(interface->close(), kIOReturnSuccess);

    EXPECT_GE(waited, std::chrono::milliseconds(1000));
    EXPECT_LT(waited, std::chrono::milliseconds(1200));
}

// A write held in the kernel (a full blocking pipe stands in for a hidraw node) holds the lock
// that every hidraw open takes: the interface answers at once instead of waiting behind it, and
// opens again once the write is let go.
TEST_F(HidrawNode, OpenAnswersAtOnceWhileAnEarlierWriteIsHeld) {
    int ends[2];
    ASSERT_EQ(::pipe2(ends, O_CLOEXEC | O_NONBLOCK), 0);
    const device::FileDescriptor reader(ends[0]);
    device::FileDescriptor held(ends[1]);
    const char block[4096] = {};
    for (std::size_t size : {sizeof block, std::size_t{1}}) {
        while (::write(held.get(), block, size) > 0) {
        }
    }
    ASSERT_EQ(::fcntl(held.get(), F_SETFL, 0), 0);
    const std::vector<UInt8> bytes{0x00, 0xC0};
    ASSERT_EQ(writer.write(held, bytes, std::chrono::milliseconds(100)), kIOReturnTimeout);

    const auto start = Clock::now();
    EXPECT_EQ(interface->open(kIOHIDOptionsTypeNone), kIOReturnBusy);
    EXPECT_LT(Clock::now() - start, std::chrono::milliseconds(50));

    char drain[4096];
    while (::read(reader.get(), drain, sizeof drain) > 0) {
    }
    ASSERT_TRUE(QTest::qWaitFor([this] { return !writer.stalled(); }, 2000));
    ASSERT_EQ(interface->open(kIOHIDOptionsTypeNone), kIOReturnSuccess);
    EXPECT_EQ(interface->setReport(kIOHIDReportTypeOutput, 0, sReport, 6, 1000), kIOReturnSuccess);
    EXPECT_EQ(interface->close(), kIOReturnSuccess);
}

} // namespace
