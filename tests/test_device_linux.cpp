// The transmitter link on the Linux device services: real libudev against umockdev's mock sysfs,
// with real uevents, and hidraw nodes whose written bytes are read back, that refuse the user,
// that fail every write, or that hold one.
#include "device/linux/HidrawInterface.h"
#include "device/linux/LinuxDeviceServices.h"
#include "device/linux/ReportWriter.h"
#include "device/xr_device.h"
#include "support/MockSysfs.h"
#include "support/StreamCapture.h"

#include <QElapsedTimer>
#include <QTest>

#include <atomic>

#include <gmock/gmock.h>
#include <gtest/gtest.h>

#include <fcntl.h>
#include <linux/capability.h>
#include <sys/syscall.h>
#include <unistd.h>

// umockdev's preload library comes before the sanitizer runtime; that order is intended here.
extern "C" __attribute__((used)) const char* __asan_default_options() {
    return "verify_asan_link_order=0";
}

namespace {

using device::HeldReferences;
using ::testing::ElementsAre;
using ::testing::IsEmpty;
using namespace std::chrono_literals;

constexpr HeldReferences sWatching{0, 1, 0, 1, 0, 0, 0};
constexpr HeldReferences sConnected{1, 1, 1, 1, 0, 1, 0};

// Root without the capabilities that let it open any file, for this thread while it lives: a
// node's mode keeps it out as it keeps out a user.
class AsAUser {
public:
    AsAUser() {
        __user_cap_header_struct header{_LINUX_CAPABILITY_VERSION_3, 0};
        ::syscall(SYS_capget, &header, mSaved);
        __user_cap_data_struct reduced[2] = {mSaved[0], mSaved[1]};
        reduced[0].effective &= ~((1u << CAP_DAC_OVERRIDE) | (1u << CAP_DAC_READ_SEARCH));
        ::syscall(SYS_capset, &header, reduced);
    }
    ~AsAUser() {
        __user_cap_header_struct header{_LINUX_CAPABILITY_VERSION_3, 0};
        ::syscall(SYS_capset, &header, mSaved);
    }

private:
    __user_cap_data_struct mSaved[2]{};
};

class LinuxLink : public ::testing::Test {
protected:
    void SetUp() override { ASSERT_TRUE(MockSysfs::isActive()) << "run under umockdev-wrapper"; }
    void start() {
        services = std::make_unique<device::LinuxDeviceServices>();
        ASSERT_TRUE(services->isMonitoring());
        link = std::make_unique<xr_device>(*services);
        ASSERT_EQ(link->start(), kIOReturnSuccess);
    }
    // Runs the event loop until the uevents so far have been handled.
    bool connects(bool inConnected) {
        return QTest::qWaitFor([&] { return link->connected() == inConnected; }, 3000);
    }

    MockSysfs sysfs;
    std::unique_ptr<device::LinuxDeviceServices> services;
    std::unique_ptr<xr_device> link;
};

// bcdDevice as the hardware version; the first transmitter of its vendor and product adopted at
// its "add" uevent, given up at its "remove"; reports land on its node with report ID 0; plug
// cycles leave no node open and no reference behind.
TEST_F(LinuxLink, FollowsTransmittersThroughTheirUevents) {
    sysfs.add({.index = 0, .bcdDevice = "1.02"});
    sysfs.add({.index = 1, .idVendor = "046d"});
    start();
    EXPECT_EQ(link->hardwareVersion(), 0xFFFE);
    sysfs.remove(0);
    ASSERT_TRUE(connects(false));

    for (const auto& [index, bcdDevice, version] :
         {std::tuple{2u, std::optional<std::string>("0203"), 0x0203},
          std::tuple{3u, std::optional<std::string>(), 0xFFFF}}) {
        sysfs.add({.index = index, .bcdDevice = bcdDevice});
        ASSERT_TRUE(connects(true));
        EXPECT_EQ(link->hardwareVersion(), version);
        link->setFrequency(76100, 1, false);
        EXPECT_THAT(sysfs.written(index), ElementsAre(0x00, 0xC0, 0x42, 0xF9, 0x0C, 0x00, 0x00));
        sysfs.remove(index);
        ASSERT_TRUE(connects(false));
    }
    EXPECT_THAT(sysfs.written(1), IsEmpty());
    EXPECT_EQ(MockSysfs::openNodes(), 0u);
    EXPECT_EQ(services->held(), sWatching);
}

// Without the udev rule's access the transmitter is not taken up, and the link says which node
// and why; plugged in again with access, it is.
TEST_F(LinuxLink, TransmitterThatMayNotBeOpenedIsToldOfWithItsNode) {
    start();
    {
        const AsAUser user;
        const StreamCapture log(2);
        sysfs.add({.index = 1});  // its uevent is handled once the event loop runs
        MockSysfs::setMode(1, 0); // as without the rule
        ASSERT_TRUE(QTest::qWaitFor([&] { return link->refusedNode() == "/dev/hidraw1"; }, 3000))
            << log.text();
        EXPECT_EQ(link->refusedStatus(), kIOReturnNotPrivileged);
        EXPECT_FALSE(link->connected());
    }
    sysfs.remove(1);
    ASSERT_TRUE(QTest::qWaitFor([&] { return link->refusedStatus() == kIOReturnSuccess; }, 3000));
    sysfs.add({.index = 2});
    EXPECT_TRUE(connects(true));
}

// A transmitter that takes no report: every report fails and the link says so.
TEST_F(LinuxLink, FailingWritesAreTold) {
    sysfs.add({.index = 0});
    start();
    MockSysfs::failWrites(0);
    link->setFrequency(88100, 1, true);
    EXPECT_EQ(link->reportStatus(), kIOReturnError);
    EXPECT_TRUE(link->connected());
}

// A write the kernel holds (a full blocking pipe stands in for a hidraw node, which ignores
// O_NONBLOCK): the caller gets its answer at the limit, and the writer takes the descriptor over
// until the kernel lets go, then says so. Meanwhile the interface's open answers at once, as it
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
    EXPECT_EQ(writer.write(held, std::vector<UInt8>{0x00, 0xC0}, 100ms), kIOReturnTimeout);
    EXPECT_EQ(held.get(), -1);

    auto* node = new device::HidrawInterface(std::make_shared<device::LiveTally>(),
                                             MockSysfs::node(0), writer);
    QElapsedTimer clock;
    clock.start();
    EXPECT_EQ(node->open(kIOHIDOptionsTypeNone), kIOReturnBusy);
    EXPECT_LT(clock.elapsed(), 50);
    char drain[4096];
    while (::read(ends[0], drain, sizeof drain) != 0) { // end of file: the writer closed it
    }
    EXPECT_TRUE(QTest::qWaitFor([&] { return letGo == 1 && !writer.stalled(); }, 2000));
    EXPECT_EQ(node->open(kIOHIDOptionsTypeNone), kIOReturnSuccess);
    const UInt8 report[6] = {0xC0, 0x4B, 0x71, 0x0C, 0x00, 0x00};
    EXPECT_EQ(node->setReport(kIOHIDReportTypeOutput, 0, report, 6, 1000), kIOReturnSuccess);
    EXPECT_EQ(node->close(), kIOReturnSuccess);
    EXPECT_THAT(sysfs.written(0), ElementsAre(0x00, 0xC0, 0x4B, 0x71, 0x0C, 0x00, 0x00));
    node->Release();
    ::close(ends[0]);
}

} // namespace
