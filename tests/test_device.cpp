// The transmitter link: on a scripted backend (adoption, removal, the six logged failures, the
// report's bytes, the trouble it tells of), and on the Linux one, real libudev against umockdev's
// mock sysfs with real uevents, whose hidraw nodes give back the bytes written to them, refuse the
// user, fail every write, or hold one.
#include "device/Failure.h"
#include "device/FailureText.h"
#include "device/fake/FakeDeviceServices.h"
#include "device/linux/LinuxBackend.h"
#include "device/xr_device.h"
#include "host/NotificationCenter.h"
#include "support/MockSysfs.h"
#include "support/StreamCapture.h"

#include <QElapsedTimer>
#include <QTest>

#include <gmock/gmock.h>
#include <gtest/gtest.h>

#include <atomic>

#include <fcntl.h>
#include <unistd.h>

// umockdev's preload library comes before the sanitizer runtime; that order is intended here.
extern "C" __attribute__((used)) const char* __asan_default_options() {
    return "verify_asan_link_order=0";
}

namespace {

using Call = device::FakeDeviceServices::Call;
using Bytes = std::vector<UInt8>;
using ::testing::ElementsAre;
using ::testing::IsEmpty;
using namespace std::chrono_literals;

// Held by a link that watches: its port and arrival iterator; connected, also the service, its
// interest registration and its HID interface.
constexpr device::HeldReferences sWatching{0, 1, 0, 1, 0, 0};
constexpr device::HeldReferences sConnected{1, 1, 1, 1, 1, 0};

class Link : public ::testing::Test {
protected:
    Link() {
        for (const QString name : {gConnectionNotification, gStatusNotification}) {
            host::NotificationCenter::defaultCenter().addObserver(
                &observer,
                [this](const host::Notification& inNote) {
                    seen.push_back({inNote.name, link.connected(), link.hardwareVersion()});
                },
                name, nullptr);
        }
    }
    ~Link() override { host::NotificationCenter::defaultCenter().removeObserver(&observer); }

    using Seen = std::tuple<QString, bool, UInt16>; // a notification's name, the link then
    device::FakeDeviceServices services;
    xr_device link{services};
    QObject observer;
    std::vector<Seen> seen;
};

// The first transmitter is adopted (inside start when present), the second given back; removal
// is told with the link disconnected and everything of the transmitter given back; a new
// arrival is a new adoption. Other messages about the transmitter are printed.
TEST_F(Link, AdoptsTheFirstTransmitterAndFollowsItsRemoval) {
    services.plug({"first", 0x0102});
    services.plug({"second", 0x0203});
    EXPECT_EQ(link.start(), kIOReturnSuccess);
    EXPECT_EQ(seen, (std::vector<Seen>{{gConnectionNotification, true, 0x0102}}));
    EXPECT_EQ(services.held(), sConnected);
    {
        const StreamCapture out(1);
        services.sendMessage("first", 0xE0000200u);
        EXPECT_EQ(out.text(), "Received message from device e0000200\n");
    }
    services.unplug("first");
    EXPECT_EQ(seen.back(), (Seen{gConnectionNotification, false, 0x0102}));
    EXPECT_EQ(services.held(), sWatching);
    services.plug({"third", 0x0304});
    EXPECT_EQ(seen.back(), (Seen{gConnectionNotification, true, 0x0304}));
    EXPECT_EQ(link.start(), kIOReturnError);
}

#define AT "File device/xr_device\\.cpp Line [0-9]+"

// One log line each; the link keeps watching, tells of the transmitter it could not take up until
// that one is unplugged, and takes up the next that arrives.
TEST_F(Link, EachFailingCallLogsOneLineAndTheRefusedTransmitterIsToldOf) {
    // The last: a transmitter whose removal cannot be seen.
    // clang-format off
    const std::tuple<Call, IOReturn, const char*> cases[] = {
        {Call::IOCreatePlugInInterfaceForService, kIOReturnNotPrivileged,
         "IOCreatePlugInInterfaceForService failed " AT " - result e00002c1"},
        {Call::QueryInterface, kIOReturnUnsupported,
         "\\(\\*iodev\\)->QueryInterface failed " AT " - result e00002c7"},
        {Call::IORegistryEntryCreateCFProperties, kIOReturnNoDevice,
         "IORegistryEntryCreateCFProperties failed " AT " - result e00002c0"},
        {Call::IOServiceAddInterestNotification, kIOReturnExclusiveAccess,
         "IOServiceAddInterestNotification failed " AT " - result e00002c5"}};
    // clang-format on
    link.start();
    for (const auto& [call, status, line] : cases) {
        services.failCall(call, status);
        StreamCapture log(2);
        services.plug({"refused"});
        EXPECT_THAT(log.text(), ::testing::MatchesRegex(std::string(line) + "\n"));
        services.clearFailure();
        EXPECT_FALSE(link.connected());
        EXPECT_EQ(link.refusal().status, status);
        EXPECT_EQ(seen.back(), (Seen{gStatusNotification, false, 0}));
        services.unplug("refused");
        EXPECT_EQ(link.refusal().status,
                  call == Call::IOServiceAddInterestNotification ? status : kIOReturnSuccess);
        EXPECT_EQ(services.held(), sWatching);
    }
    services.plug({"good"});
    EXPECT_TRUE(link.connected());
    EXPECT_EQ(link.refusal(), device::Failure{});
    for (const auto& [call, line] :
         {std::pair{Call::IOServiceMatching, "IOServiceMatching failed " AT},
          {Call::IOServiceAddMatchingNotification,
           "IOServiceAddMatchingNotification failed " AT " - result e00002bc"}}) {
        xr_device inert(services);
        services.failCall(call, kIOReturnError);
        StreamCapture log(2);
        EXPECT_EQ(inert.start(), kIOReturnError);
        EXPECT_THAT(log.text(), ::testing::MatchesRegex(std::string(line) + "\n"));
    }
}

// Each report goes to the transmitter within the second the link gives it; none while none is
// connected, nor for a frequency past the report's 11 bits. A failure is told until a report gets
// through, and a transmitter that can take one again after a failure asks for the settings.
TEST_F(Link, ReportsAreSixBytesSentWithinASecondAndFailuresToldUntilOneGetsThrough) {
    // clang-format off
    const std::tuple<SInt32, SInt32, bool, Bytes> cases[] = {
        {88100, 1, true, {0xC0, 0x4B, 0x71, 0x0C, 0, 0}},
        {88100, 1, false, {0xC0, 0x43, 0x71, 0x0C, 0, 0}},
        {88150, 0, true, {0xC0, 0x4B, 0x71, 0x0E, 0, 0}},
        {88199, 7, true, {0xC0, 0x4B, 0x71, 0x00, 0, 0}},
        {204799, 8, false, {0xC0, 0x47, 0xFF, 0x0E, 0, 0}}};
    // clang-format on
    services.plug({"tx"});
    link.start();
    for (const auto& [kHz, power, stereo, bytes] : cases) {
        services.clearSent();
        link.setFrequency(kHz, power, stereo);
        ASSERT_EQ(services.sent().size(), 1u);
        EXPECT_EQ(services.sent()[0].bytes, bytes) << kHz;
        EXPECT_EQ(services.sent()[0].limit, 1000ms);
    }
    const device::Failure held{kIOReturnBusy, device::Failure::Cause::HeldEarlier, 0,
                               "/dev/hidraw0"};
    services.failReports(held);
    link.setFrequency(88100, 1, true);
    EXPECT_EQ(link.reportFailure(), held);
    EXPECT_EQ(seen.back(), (Seen{gStatusNotification, true, 0x0100}));
    EXPECT_EQ(link.sendUSBReport(Bytes(6).data()), kIOReturnBusy);

    EXPECT_FALSE(link.reportWanted());
    services.sendMessage("tx", kIOMessageServiceIsResumed);
    EXPECT_TRUE(link.reportWanted());
    services.failReports({});
    const std::size_t told = seen.size();
    link.setFrequency(88100, 1, true);
    EXPECT_EQ(link.reportFailure(), device::Failure{});
    EXPECT_FALSE(link.reportWanted());
    EXPECT_EQ(seen.size(), told + 1);
    link.setFrequency(88200, 1, true);
    EXPECT_EQ(seen.size(), told + 1);
    services.clearSent();
    link.setFrequency(204800, 1, true);
    EXPECT_EQ(link.reportFailure().status, kIOReturnBadArgument);
    services.unplug("tx");
    link.setFrequency(88100, 1, true);
    EXPECT_EQ(link.sendUSBReport(std::get<Bytes>(cases[0]).data()), kIOReturnSuccess);
    EXPECT_THAT(services.sent(), IsEmpty());
}

class LinuxLink : public ::testing::Test {
protected:
    void SetUp() override { ASSERT_TRUE(MockSysfs::isActive()) << "run under umockdev-wrapper"; }

    MockSysfs sysfs;
};

// bcdDevice as the hardware version; the first transmitter of its vendor and product adopted at
// its "add" uevent, given up at its "remove"; reports land on its node with report ID 0; plug
// cycles leave no node open and no reference behind.
TEST_F(LinuxLink, FollowsTransmittersThroughTheirUevents) {
    sysfs.add({.index = 0, .bcdDevice = "1.02"});
    sysfs.add({.index = 1, .idVendor = "046d"});
    device::LinuxBackend backend;
    ASSERT_TRUE(backend.isMonitoring());
    device::DeviceServices services(backend);
    xr_device link(services);
    ASSERT_EQ(link.start(), kIOReturnSuccess);
    // Runs the event loop until the uevents so far have been handled.
    const auto connects = [&](bool inConnected) {
        return QTest::qWaitFor([&] { return link.connected() == inConnected; }, 3000);
    };
    EXPECT_EQ(link.hardwareVersion(), 0xFFFE);
    sysfs.remove(0);
    ASSERT_TRUE(connects(false));

    // 12345: beyond 16 bits.
    // clang-format off
    using Bcd = std::optional<std::string>;
    for (const auto& [index, bcdDevice, version] : {std::tuple{2u, Bcd("0203"), 0x0203},
             std::tuple{3u, Bcd(), 0xFFFF}, std::tuple{4u, Bcd("12345"), 0xFFFE}}) {
        // clang-format on
        sysfs.add({.index = index, .bcdDevice = bcdDevice});
        ASSERT_TRUE(connects(true));
        EXPECT_EQ(link.hardwareVersion(), version);
        link.setFrequency(76100, 1, false);
        EXPECT_THAT(sysfs.written(index), ElementsAre(0x00, 0xC0, 0x42, 0xF9, 0x0C, 0x00, 0x00));
        sysfs.remove(index);
        ASSERT_TRUE(connects(false));
    }
    EXPECT_THAT(sysfs.written(1), IsEmpty());
    EXPECT_EQ(MockSysfs::openNodes(), 0u);
    EXPECT_EQ(services.held(), sWatching);
}

// A write the kernel holds (a full blocking pipe stands in for a hidraw node, which ignores
// O_NONBLOCK): the caller gets its answer at the limit, and the writer takes the descriptor over
// until the kernel lets go, then says so. Meanwhile a report to a node answers at once, as its open
// would wait in the kernel behind the held write.
TEST_F(LinuxLink, WriteTheKernelHoldsIsLetGoWithoutHoldingAnyone) {
    sysfs.add({.index = 0});
    int ends[2];
    ASSERT_EQ(::pipe2(ends, O_CLOEXEC | O_NONBLOCK), 0);
    device::FileDescriptor held(ends[1]);
    const char block[4096] = {};
    for (std::size_t size : {sizeof block, std::size_t{1}}) {
        while (::write(held.get(), block, size) > 0) {
        }
    }
    ASSERT_EQ(::fcntl(held.get(), F_SETFL, 0), 0);
    device::ReportWriter writer;
    std::atomic<int> letGo = 0;
    writer.setOnRelease([&letGo] { ++letGo; });
    EXPECT_EQ(device::failureText(writer.write(held, std::vector<UInt8>{0x00, 0xC0}, 100ms), {}),
              "the transmitter did not take the setting in time: the kernel held the write past "
              "the time limit");
    EXPECT_EQ(held.get(), -1);

    const Bytes report{0xC0, 0x4B, 0x71, 0x0C, 0x00, 0x00};
    QElapsedTimer clock;
    clock.start();
    EXPECT_EQ(
        device::failureText(device::writeToNode(writer, MockSysfs::node(0), report, 1000ms), {}),
        "the transmitter at /dev/hidraw0 is still busy with an earlier setting that the "
        "kernel holds");
    EXPECT_LT(clock.elapsed(), 50);
    char drain[4096];
    while (::read(ends[0], drain, sizeof drain) != 0) { // end of file: the writer closed it
    }
    EXPECT_TRUE(QTest::qWaitFor([&] { return letGo == 1 && !writer.stalled(); }, 2000));
    EXPECT_EQ(device::writeToNode(writer, MockSysfs::node(0), report, 1000ms), device::Failure{});
    ::close(ends[0]);
}

} // namespace
