// The transmitter link on the Linux device services: real libudev against umockdev's mock sysfs,
// with real uevents, and hidraw nodes whose written bytes are read back, that refuse the user,
// that fail every write, or that hold one.
#include "device/linux/LinuxDeviceServices.h"
#include "device/linux/ReportWriter.h"
#include "device/xr_device.h"
#include "support/MockSysfs.h"
#include "support/StreamCapture.h"

#include <QTest>

#include <gmock/gmock.h>
#include <gtest/gtest.h>

#include <fcntl.h>
#include <linux/capability.h>
#include <poll.h>
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

// A write the kernel holds: the report fails at its limit, the writer keeps the node open until
// the kernel lets go, and meanwhile every open answers at once (it would wait behind the held
// write); then the transmitter is resumed.
TEST_F(LinuxLink, HeldWriteFailsAtItsLimitAndTheTransmitterIsResumedAfterIt) {
    sysfs.add({.index = 0});
    start();
    const int filler = ::open(MockSysfs::node(0).c_str(), O_WRONLY | O_NONBLOCK | O_CLOEXEC);
    ASSERT_GE(filler, 0);
    pollfd writable{filler, POLLOUT, 0}; // the terminal moves its buffer on in the background
    const char block[64] = {};
    do {
        while (::write(filler, block, sizeof block) > 0) {
        }
    } while (::poll(&writable, 1, 500) > 0);
    ::close(filler);

    link->setFrequency(88100, 1, true);
    EXPECT_EQ(link->reportStatus(), kIOReturnTimeout);
    EXPECT_EQ(MockSysfs::openNodes(), 1u); // the writer's, until the kernel lets go
    link->setFrequency(88200, 1, true);
    EXPECT_EQ(link->reportStatus(), kIOReturnBusy);
    EXPECT_FALSE(link->reportWanted());
    sysfs.written(0); // reading makes room: the kernel lets go of the write
    EXPECT_TRUE(QTest::qWaitFor([&] { return link->reportWanted(); }, 3000));
    EXPECT_EQ(MockSysfs::openNodes(), 0u);
    link->setFrequency(88300, 1, true);
    EXPECT_EQ(link->reportStatus(), kIOReturnSuccess);
}

} // namespace
