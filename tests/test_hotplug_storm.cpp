// A storm of plugging and unplugging through the real Linux device services and the real link:
// umockdev's mock sysfs with real uevents, tuning reports sent in between and from inside the
// connection notification, as the pane does.
#include "device/linux/LinuxDeviceServices.h"
#include "device/xr_device.h"
#include "support/ConnectionObserver.h"
#include "support/MockSysfs.h"

#include <QTest>

#include <gtest/gtest.h>

#include <array>
#include <cstring>
#include <filesystem>
#include <memory>
#include <random>

#include <sys/socket.h>
#include <sys/un.h>
#include <sys/wait.h>

#if defined(__SANITIZE_ADDRESS__)
#include <sanitizer/lsan_interface.h>
#define TAVRO_LEAK_CHECKED 1
#endif

// umockdev's preload library comes before the sanitizer runtime; that order is intended here.
// Leaks are looked for whatever the sanitizer's default.
extern "C" __attribute__((used)) const char* __asan_default_options() {
    return "verify_asan_link_order=0:detect_leaks=1";
}

namespace {

using device::HeldReferences;
using device::LinuxDeviceServices;

constexpr HeldReferences sWatching{0, 1, 0, 1, 0, 0, 0};
constexpr HeldReferences sConnected{1, 1, 1, 1, 0, 1, 0};
// Inside the notifications: the plug-in is destroyed only after the adoption's observers have
// run, the service and its interest registration are released only after the removal's.
constexpr HeldReferences sAdopting{1, 1, 1, 1, 1, 1, 0};
constexpr HeldReferences sRemoving{1, 1, 1, 1, 0, 0, 0};
constexpr std::size_t sReportBytes = 7; // report ID 0 and the six report bytes

class HotplugStorm : public ::testing::Test {
protected:
    void SetUp() override { ASSERT_TRUE(MockSysfs::isActive()) << "run under umockdev-wrapper"; }

    void startLink() {
        services = std::make_unique<LinuxDeviceServices>();
        ASSERT_TRUE(services->isMonitoring());
        link = std::make_unique<xr_device>(*services);
        observer = std::make_unique<ConnectionObserver>(*link, *services);
        // As the pane does: a transmitter just plugged in gets the current settings at once.
        observer->alsoDo = [this] {
            if (link->connected()) {
                link->setFrequency(88100, 1, true);
            }
        };
        ASSERT_EQ(link->start(), kIOReturnSuccess);
    }

    // Runs the event loop until the link is in inConnected and every uevent so far is handled.
    void settle(bool inConnected) {
        ASSERT_TRUE(QTest::qWaitFor([&] { return link->connected() == inConnected; }, 3000));
        QTest::qWait(1);
        ASSERT_EQ(link->connected(), inConnected);
        ASSERT_EQ(services->held(), inConnected ? sConnected : sWatching);
    }

    MockSysfs sysfs;
    std::unique_ptr<LinuxDeviceServices> services;
    std::unique_ptr<xr_device> link;
    std::unique_ptr<ConnectionObserver> observer;
};

TEST_F(HotplugStorm, TwoHundredCyclesLeaveNothingBehindAndWriteNothingToARemovedNode) {
    constexpr unsigned sCycles = 200;
    startLink();
    const std::size_t descriptorsBefore = MockSysfs::openDescriptors();
    std::random_device seed;
    const unsigned seedValue = seed();
    SCOPED_TRACE("seed " + std::to_string(seedValue));
    std::mt19937 random(seedValue);
    std::size_t adoptions = 0;

    // umockdev makes a node name only once, so each cycle's transmitter gets the next one. A
    // report in the moment between the unplugging and its uevent fails to open the node, which
    // costs the test bed a descriptor (see above): that happens every tenth cycle, the other
    // cycles go one of the other ways at random.
    for (unsigned node = 0; node < sCycles; ++node) {
        SCOPED_TRACE("cycle " + std::to_string(node));
        sysfs.add({.index = node});
        const std::array sOthers{0u, 2u, 3u};
        switch (node % 10 == 9 ? 1u : sOthers[random() % sOthers.size()]) {
        case 0: // plugged in, tuned, unplugged
            settle(true);
            ++adoptions;
            link->setFrequency(101100, 1, false);
            ASSERT_EQ(sysfs.written(node).size(), 2 * sReportBytes);
            sysfs.remove(node);
            settle(false);
            break;
        case 1: // tuned in the moment between the unplugging and its uevent
            settle(true);
            ++adoptions;
            ASSERT_EQ(sysfs.written(node).size(), sReportBytes);
            sysfs.remove(node);
            EXPECT_EQ(link->sendTuningReport(101100, 1, false), kIOReturnNoDevice);
            settle(false);
            break;
        case 2: // unplugged before its arrival was handled
            sysfs.remove(node);
            settle(false);
            adoptions = observer->seen.size() / 2;
            break;
        default: // a burst of reports, then tuning while nothing is plugged in
            settle(true);
            ++adoptions;
            for (int i = 0; i < 5; ++i) {
                link->setFrequency(76100 + 100 * i, 1, i % 2 == 0);
            }
            ASSERT_EQ(sysfs.written(node).size(), 6 * sReportBytes);
            sysfs.remove(node);
            settle(false);
            EXPECT_EQ(link->sendTuningReport(88100, 1, true), kIOReturnSuccess);
            break;
        }
        // Nothing reached the node once it was gone.
        ASSERT_TRUE(sysfs.written(node).empty());
    }

    // One notification per adoption and one per removal, alternating, each seeing the link and
    // the services in step.
    ASSERT_EQ(observer->seen.size(), 2 * adoptions);
    for (std::size_t i = 0; i < observer->seen.size(); ++i) {
        const ConnectionObserver::Seen& seen = observer->seen[i];
        EXPECT_EQ(seen.connected, i % 2 == 0) << "notification " << i;
        EXPECT_EQ(seen.held, seen.connected ? sAdopting : sRemoving) << "notification " << i;
    }
    EXPECT_EQ(MockSysfs::openDescriptors(), descriptorsBefore);

    link.reset();
    EXPECT_EQ(services->held(), HeldReferences{});
#ifdef TAVRO_LEAK_CHECKED
    EXPECT_EQ(__lsan_do_recoverable_leak_check(), 0);
#endif
}

#ifdef TAVRO_LEAK_CHECKED
// The storm's leak check means something only when leak detection runs here, under umockdev's
// preload library: a block that nothing points to any more is reported at exit.
TEST(LeakDetection, ReportsALostBlockUnderUmockdev) {
    EXPECT_EXIT(
        {
            volatile char* lost = new char[64];
            lost[0] = 1;
            lost = nullptr;
            std::exit(0);
        },
        [](int inStatus) { return WIFEXITED(inStatus) && WEXITSTATUS(inStatus) != 0; },
        "LeakSanitizer: detected memory leaks");
}
#endif

} // namespace
