// The transmitter link on scripted device services: discovery, adoption, removal, failures.
#include "device/fake/FakeDeviceServices.h"
#include "device/xr_device.h"
#include "support/ConnectionObserver.h"
#include "support/StreamCapture.h"

#include <gmock/gmock.h>
#include <gtest/gtest.h>

#include <memory>
#include <ostream>

namespace {

using device::FakeDeviceServices;
using device::HeldReferences;
using Call = FakeDeviceServices::Call;
using ::testing::ElementsAre;
using ::testing::IsEmpty;
using ::testing::MatchesRegex;

FakeDeviceServices::Device transmitter(const std::string& inName, long long inVersion = 0x0100) {
    return {inName, 0x0F5A, 0x0B17, PropertyValue{inVersion}};
}

// What a watching link holds with no transmitter adopted: its port and its arrival iterator.
constexpr HeldReferences sWatching{0, 1, 0, 1, 0, 0, 0};
// ... and with one adopted: also the service, its interest registration and HID interface.
constexpr HeldReferences sConnected{1, 1, 1, 1, 0, 1, 0};

class Link : public ::testing::Test {
protected:
    FakeDeviceServices services;
    xr_device link{services};
    ConnectionObserver observer{link, services};
};

TEST_F(Link, TransmitterPresentAtStartIsAdoptedAndAnnouncedBeforeStartReturns) {
    services.plug(transmitter("tx", 0x0102));
    EXPECT_THAT(observer.seen, IsEmpty()); // nothing arrives before start

    EXPECT_EQ(link.start(), kIOReturnSuccess);

    ASSERT_EQ(observer.seen.size(), 1u);
    const auto& seen = observer.seen[0];
    EXPECT_EQ(seen.object, &link);
    EXPECT_TRUE(seen.connected);
    EXPECT_EQ(seen.hardwareVersion, 0x0102);
    // Observers run while the plug-in still exists; it is destroyed after them.
    EXPECT_EQ(seen.held.plugIns, 1);
    EXPECT_EQ(seen.held.hidInterfaces, 1);
    EXPECT_TRUE(link.connected());
    EXPECT_EQ(services.held(), sConnected);
}

TEST_F(Link, StartWithoutTransmitterWatchesAndAdoptsOneThatArrives) {
    EXPECT_EQ(link.start(), kIOReturnSuccess);
    EXPECT_FALSE(link.connected());
    EXPECT_EQ(link.hardwareVersion(), 0);
    EXPECT_THAT(observer.seen, IsEmpty());
    EXPECT_EQ(services.held(), sWatching);

    services.plug(transmitter("tx", 0x0203));

    ASSERT_EQ(observer.seen.size(), 1u);
    EXPECT_TRUE(observer.seen[0].connected);
    EXPECT_EQ(link.hardwareVersion(), 0x0203);
    EXPECT_EQ(services.held(), sConnected);
}

TEST_F(Link, OnlyTheFirstOfTwoTransmittersIsAdoptedAndTheOtherIsNotTakenUpLater) {
    services.plug(transmitter("first", 1));
    services.plug(transmitter("second", 2));
    link.start();
    EXPECT_EQ(link.hardwareVersion(), 1);
    EXPECT_EQ(services.held(), sConnected); // the second one's service was given back

    services.unplug("first");
    EXPECT_FALSE(link.connected());
    EXPECT_EQ(observer.seen.size(), 2u);
    EXPECT_EQ(services.held(), sWatching);

    // Only a new arrival of the second one gets it adopted.
    services.unplug("second");
    services.plug(transmitter("second", 2));
    EXPECT_TRUE(link.connected());
    EXPECT_EQ(link.hardwareVersion(), 2);
    EXPECT_EQ(observer.seen.size(), 3u);
}

TEST_F(Link, AnotherArrivalWhileConnectedIsReleasedAndChangesNothing) {
    services.plug(transmitter("first", 1));
    link.start();

    services.plug(transmitter("second", 2));

    EXPECT_EQ(observer.seen.size(), 1u);
    EXPECT_EQ(link.hardwareVersion(), 1);
    EXPECT_EQ(services.held(), sConnected);
}

TEST_F(Link, OtherVendorsProductsAndClassesAreNotMatched) {
    link.start();
    services.plug({"vendor", 0x046D, 0x0B17});
    services.plug({"product", 0x0F5A, 0x0B18});
    services.plug({"class", 0x0F5A, 0x0B17, PropertyValue{1LL}, "IOUSBDevice"});
    EXPECT_FALSE(link.connected());
    EXPECT_EQ(services.held(), sWatching);
}

TEST_F(Link, RemovalIsAnnouncedWithTheLinkDisconnectedAndTheVersionKept) {
    services.plug(transmitter("tx", 0x0102));
    link.start();

    services.unplug("tx");

    ASSERT_EQ(observer.seen.size(), 2u);
    const auto& seen = observer.seen[1];
    EXPECT_EQ(seen.object, &link);
    EXPECT_FALSE(seen.connected);
    EXPECT_EQ(seen.hardwareVersion, 0x0102);
    EXPECT_EQ(seen.held.hidInterfaces, 0); // released before observers run
    EXPECT_EQ(link.hardwareVersion(), 0x0102);
    EXPECT_EQ(services.held(), sWatching);

    // Plugged in again: a fresh adoption with a freshly read version.
    services.plug(transmitter("tx", 0x0103));
    EXPECT_EQ(observer.seen.size(), 3u);
    EXPECT_EQ(link.hardwareVersion(), 0x0103);
}

TEST_F(Link, ObserversMaySendReportsFromInsideTheNotification) {
    observer.alsoDo = [this] {
        link.setFrequency(88100, 1, true);
    };
    services.plug(transmitter("tx"));
    link.start();
    services.unplug("tx");

    // Sent on adoption; nothing on removal, where the link is already disconnected.
    EXPECT_THAT(services.reports(), ElementsAre(ElementsAre(0xC0, 0x4B, 0x71, 0x0C, 0x00, 0x00)));
}

TEST_F(Link, SecondStartIsRefused) {
    services.plug(transmitter("tx"));
    link.start();

    EXPECT_EQ(link.start(), kIOReturnError);
    EXPECT_EQ(observer.seen.size(), 1u);
    EXPECT_EQ(services.held(), sConnected);
}

TEST(LinkLifetime, DestroyingTheLinkGivesBackEverythingAndEndsCallbacks) {
    FakeDeviceServices services;
    auto link = std::make_unique<xr_device>(services);
    services.plug(transmitter("tx"));
    link->start();

    link.reset();

    EXPECT_EQ(services.held(), HeldReferences{});
    services.unplug("tx"); // would reach the destroyed link if anything were still registered
    services.plug(transmitter("again"));
    EXPECT_EQ(services.held(), HeldReferences{});
}

// Each failing step of the platform: one log line, no notification, nothing left held.
struct FailureCase {
    Call call;
    IOReturn status;
    const char* line; // the expected log line, as a regular expression
    IOReturn startResult;
    HeldReferences held; // afterwards
    bool keepsWatching;  // a later arrival is still adopted
};

void PrintTo(const FailureCase& inCase, std::ostream* outStream) {
    static const char* const sNames[] = {
        "IOServiceMatching",
        "IOServiceAddMatchingNotification",
        "IOCreatePlugInInterfaceForService",
        "QueryInterface",
        "IORegistryEntryCreateCFProperties",
        "IOServiceAddInterestNotification",
    };
    *outStream << sNames[static_cast<int>(inCase.call)];
}

class LinkFailure : public Link, public ::testing::WithParamInterface<FailureCase> {};

TEST_P(LinkFailure, LogsOneLineAndLeavesNothingHeld) {
    const FailureCase c = GetParam();
    services.plug(transmitter("tx"));
    services.failCall(c.call, c.status);

    StreamCapture log(STDERR_FILENO);
    const IOReturn result = link.start();
    const std::vector<std::string> lines = log.lines();

    EXPECT_EQ(result, c.startResult);
    ASSERT_EQ(lines.size(), 1u);
    EXPECT_THAT(lines[0], MatchesRegex(c.line));
    EXPECT_THAT(observer.seen, IsEmpty());
    EXPECT_FALSE(link.connected());
    EXPECT_EQ(services.held(), c.held);

    services.clearFailure();
    services.plug(transmitter("later"));
    EXPECT_EQ(link.connected(), c.keepsWatching);
}

#define FILE_LINE "File .*device/xr_device\\.cpp Line [0-9]+"

INSTANTIATE_TEST_SUITE_P(
    EachLoggedCall, LinkFailure,
    ::testing::Values(
        FailureCase{Call::IOServiceMatching,
                    kIOReturnError,
                    "IOServiceMatching failed " FILE_LINE,
                    kIOReturnError,
                    {},
                    false},
        FailureCase{Call::IOServiceAddMatchingNotification, kIOReturnNoResources,
                    "IOServiceAddMatchingNotification failed " FILE_LINE " - result e00002be",
                    kIOReturnNoResources, HeldReferences{0, 0, 0, 1, 0, 0, 0}, false},
        FailureCase{Call::IOCreatePlugInInterfaceForService, kIOReturnNotPrivileged,
                    "IOCreatePlugInInterfaceForService failed " FILE_LINE " - result e00002c1",
                    kIOReturnSuccess, sWatching, true},
        FailureCase{Call::QueryInterface, kIOReturnUnsupported,
                    "\\(\\*iodev\\)->QueryInterface failed " FILE_LINE " - result e00002c7",
                    kIOReturnSuccess, sWatching, true},
        FailureCase{Call::IORegistryEntryCreateCFProperties, kIOReturnNoDevice,
                    "IORegistryEntryCreateCFProperties failed " FILE_LINE " - result e00002c0",
                    kIOReturnSuccess, sWatching, true},
        FailureCase{Call::IOServiceAddInterestNotification, kIOReturnExclusiveAccess,
                    "IOServiceAddInterestNotification failed " FILE_LINE " - result e00002c5",
                    kIOReturnSuccess, sWatching, true}));

// Messages about the adopted transmitter other than its removal change nothing.
struct MessageCase {
    natural_t type;
    const char* printed;
};

void PrintTo(const MessageCase& inCase, std::ostream* outStream) {
    *outStream << std::hex << inCase.type;
}

class LinkMessage : public Link, public ::testing::WithParamInterface<MessageCase> {};

TEST_P(LinkMessage, OnlyUnknownMessagesPrintALine) {
    services.plug(transmitter("tx"));
    link.start();

    StreamCapture out(STDOUT_FILENO);
    StreamCapture log(STDERR_FILENO);
    services.sendMessage("tx", GetParam().type);

    EXPECT_EQ(out.text(), GetParam().printed);
    EXPECT_EQ(log.text(), "");
    EXPECT_TRUE(link.connected());
    EXPECT_EQ(observer.seen.size(), 1u);
    EXPECT_EQ(services.held(), sConnected);
}

INSTANTIATE_TEST_SUITE_P(
    Types, LinkMessage,
    ::testing::Values(MessageCase{kIOMessageServiceIsAttemptingOpen, ""},
                      MessageCase{kIOMessageServiceWasClosed, ""},
                      MessageCase{0xE0000200u, "Received message from device e0000200\n"},
                      MessageCase{0x0000002Au, "Received message from device 0000002a\n"}));

// The "VersionNumber" property as the hardware version.
struct VersionCase {
    std::optional<PropertyValue> property;
    UInt16 version;
};

void PrintTo(const VersionCase& inCase, std::ostream* outStream) {
    if (!inCase.property) {
        *outStream << "missing";
    } else if (const auto* number = std::get_if<long long>(&*inCase.property)) {
        *outStream << *number;
    } else {
        *outStream << '"' << std::get<std::string>(*inCase.property) << '"';
    }
}

class LinkVersion : public Link, public ::testing::WithParamInterface<VersionCase> {};

TEST_P(LinkVersion, IsReadAsASigned16BitNumber) {
    services.plug({"tx", 0x0F5A, 0x0B17, GetParam().property});
    link.start();
    EXPECT_TRUE(link.connected());
    EXPECT_EQ(link.hardwareVersion(), GetParam().version);
}

INSTANTIATE_TEST_SUITE_P(Values, LinkVersion,
                         ::testing::Values(VersionCase{PropertyValue{0x0102LL}, 0x0102},
                                           VersionCase{PropertyValue{0x7FFFLL}, 0x7FFF},
                                           VersionCase{std::nullopt, 0xFFFF},
                                           VersionCase{PropertyValue{std::string("1.02")}, 0xFFFE},
                                           VersionCase{PropertyValue{0x8000LL}, 0xFFFE},
                                           VersionCase{PropertyValue{-1LL}, 0xFFFF}));

} // namespace
