// The transmitter link on scripted device services: adoption, removal, the six logged failures,
// the tuning report's bytes and calls, and the trouble it tells of.
#include "device/fake/FakeDeviceServices.h"
#include "device/xr_device.h"
#include "host/NotificationCenter.h"
#include "support/StreamCapture.h"

#include <gmock/gmock.h>
#include <gtest/gtest.h>

namespace {

using device::FakeDeviceServices;
using device::HeldReferences;
using Call = FakeDeviceServices::Call;
using Kind = FakeDeviceServices::HIDCall::Kind;
using Bytes = std::vector<UInt8>;

FakeDeviceServices::Device transmitter(const std::string& inName, long long inVersion = 0x0100) {
    return {inName, 0x0F5A, 0x0B17, PropertyValue{inVersion}};
}

// Held by a link that watches: its port and arrival iterator; connected, also the service, its
// interest registration and its HID interface.
constexpr HeldReferences sWatching{0, 1, 0, 1, 0, 0, 0};
constexpr HeldReferences sConnected{1, 1, 1, 1, 0, 1, 0};

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
    std::vector<Kind> calls() const {
        std::vector<Kind> kinds;
        for (const auto& call : services.hidCalls()) {
            kinds.push_back(call.kind);
        }
        return kinds;
    }

    struct Seen {
        QString name;
        bool connected;
        UInt16 version;
        bool operator==(const Seen&) const = default;
    };
    FakeDeviceServices services;
    xr_device link{services};
    QObject observer;
    std::vector<Seen> seen;
};

// The first transmitter is adopted (inside start when present), the second given back; removal
// is told with the link disconnected and everything of the transmitter given back; a new
// arrival is a new adoption.
TEST_F(Link, AdoptsTheFirstTransmitterAndFollowsItsRemoval) {
    services.plug(transmitter("first", 0x0102));
    services.plug(transmitter("second", 0x0203));
    services.plug({"other", 0x0F5A, 0x0B18});
    EXPECT_EQ(link.start(), kIOReturnSuccess);
    EXPECT_EQ(seen, (std::vector<Seen>{{gConnectionNotification, true, 0x0102}}));
    EXPECT_EQ(services.held(), sConnected);

    services.unplug("first");
    EXPECT_EQ(seen.back(), (Seen{gConnectionNotification, false, 0x0102}));
    EXPECT_EQ(services.held(), sWatching);
    services.plug(transmitter("third", 0x0304));
    EXPECT_EQ(seen.back(), (Seen{gConnectionNotification, true, 0x0304}));
    EXPECT_EQ(link.start(), kIOReturnError);
}

struct FailureCase {
    Call call;
    IOReturn status;
    const char* line;
    bool watched; // its removal can be seen
};

#define AT "File .*device/xr_device\\.cpp Line [0-9]+"

// One log line each; the link keeps watching, tells of the transmitter it could not take up until
// that one is unplugged, and takes up the next that arrives.
TEST_F(Link, EachFailingCallLogsOneLineAndTheRefusedTransmitterIsToldOf) {
    const FailureCase cases[] = {
        {Call::IOCreatePlugInInterfaceForService, kIOReturnNotPrivileged,
         "IOCreatePlugInInterfaceForService failed " AT " - result e00002c1", true},
        {Call::QueryInterface, kIOReturnUnsupported,
         "\\(\\*iodev\\)->QueryInterface failed " AT " - result e00002c7", true},
        {Call::IORegistryEntryCreateCFProperties, kIOReturnNoDevice,
         "IORegistryEntryCreateCFProperties failed " AT " - result e00002c0", true},
        {Call::IOServiceAddInterestNotification, kIOReturnExclusiveAccess,
         "IOServiceAddInterestNotification failed " AT " - result e00002c5", false}};
    link.start();
    for (const FailureCase& c : cases) {
        services.failCall(c.call, c.status);
        StreamCapture log(2);
        services.plug(transmitter("refused"));
        EXPECT_THAT(log.lines(), ::testing::ElementsAre(::testing::MatchesRegex(c.line)));
        services.clearFailure();
        EXPECT_FALSE(link.connected());
        EXPECT_EQ(link.refusedStatus(), c.status);
        EXPECT_EQ(seen.back(), (Seen{gStatusNotification, false, 0}));
        services.unplug("refused");
        EXPECT_EQ(link.refusedStatus(), c.watched ? kIOReturnSuccess : c.status);
        EXPECT_EQ(services.held(), sWatching);
    }
    services.plug(transmitter("good"));
    EXPECT_TRUE(link.connected());
    EXPECT_EQ(link.refusedStatus(), kIOReturnSuccess);
    for (const auto& [call, line] :
         {std::pair{Call::IOServiceMatching, "IOServiceMatching failed " AT},
          {Call::IOServiceAddMatchingNotification,
           "IOServiceAddMatchingNotification failed " AT " - result e00002bc"}}) {
        xr_device inert(services);
        services.failCall(call, kIOReturnError);
        StreamCapture log(2);
        EXPECT_EQ(inert.start(), kIOReturnError);
        EXPECT_THAT(log.lines(), ::testing::ElementsAre(::testing::MatchesRegex(line)));
    }
}

struct MessageCase {
    natural_t type;
    const char* printed;
};

TEST_F(Link, VersionNumberAndMessagesAboutTheTransmitter) {
    const std::pair<std::optional<PropertyValue>, UInt16> versions[] = {
        {PropertyValue{0x0102LL}, 0x0102},
        {std::nullopt, 0xFFFF},
        {PropertyValue{0x12345LL}, 0xFFFE},
        {PropertyValue{std::string("1.2")}, 0xFFFE}};
    link.start();
    for (const auto& [property, version] : versions) {
        services.plug({"tx", 0x0F5A, 0x0B17, property});
        EXPECT_EQ(link.hardwareVersion(), version);
        services.unplug("tx");
    }
    services.plug(transmitter("tx"));
    for (const MessageCase& c :
         {MessageCase{kIOMessageServiceIsAttemptingOpen, ""},
          MessageCase{kIOMessageServiceWasClosed, ""}, MessageCase{kIOMessageServiceIsResumed, ""},
          MessageCase{0xE0000200u, "Received message from device e0000200\n"}}) {
        StreamCapture out(1);
        services.sendMessage("tx", c.type);
        EXPECT_EQ(out.text(), c.printed);
    }
    EXPECT_TRUE(link.connected());
}

struct ReportCase {
    SInt32 kHz;
    SInt32 power;
    bool stereo;
    Bytes bytes;
};

TEST_F(Link, TuningReportIsSixBytesBetweenAnOpenAndAClose) {
    const ReportCase cases[] = {{88100, 1, true, {0xC0, 0x4B, 0x71, 0x0C, 0, 0}},
                                {88100, 1, false, {0xC0, 0x43, 0x71, 0x0C, 0, 0}},
                                {107900, 1, true, {0xC0, 0x4C, 0x37, 0x0C, 0, 0}},
                                {76100, 1, false, {0xC0, 0x42, 0xF9, 0x0C, 0, 0}},
                                {88150, 0, true, {0xC0, 0x4B, 0x71, 0x0E, 0, 0}},
                                {88199, 7, true, {0xC0, 0x4B, 0x71, 0x00, 0, 0}},
                                {204799, 8, false, {0xC0, 0x47, 0xFF, 0x0E, 0, 0}}};
    services.plug(transmitter("tx"));
    link.start();
    for (const ReportCase& c : cases) {
        services.clearHIDCalls();
        EXPECT_EQ(link.sendTuningReport(c.kHz, c.power, c.stereo), kIOReturnSuccess);
        EXPECT_EQ(calls(), (std::vector<Kind>{Kind::Open, Kind::SetReport, Kind::Close}));
        const auto& write = services.hidCalls()[1];
        EXPECT_EQ(write.bytes, c.bytes) << c.kHz;
        EXPECT_EQ(write.reportType, kIOHIDReportTypeOutput);
        EXPECT_EQ(write.reportID, 0u);
        EXPECT_EQ(write.timeoutMS, 1000u);
    }
    services.clearHIDCalls();
    EXPECT_EQ(link.sendTuningReport(204800, 1, true), kIOReturnBadArgument); // past 11 bits
    services.unplug("tx");
    EXPECT_EQ(link.sendTuningReport(88100, 1, true), kIOReturnSuccess); // nothing connected
    EXPECT_TRUE(services.hidCalls().empty());
}

// A failed open writes nothing; a failed write is still closed and is what the caller learns; a
// failure is told until a report gets through, and a transmitter that can take one again after
// a failure asks for the settings.
TEST_F(Link, FailedReportsAreToldUntilOneGetsThrough) {
    services.plug(transmitter("tx"));
    link.start();
    services.failOpen(kIOReturnBusy);
    link.setFrequency(88100, 1, true);
    EXPECT_EQ(calls(), std::vector<Kind>{Kind::Open});
    EXPECT_EQ(link.reportStatus(), kIOReturnBusy);
    services.failOpen(kIOReturnSuccess);
    services.failSetReport(kIOReturnTimeout);
    services.clearHIDCalls();
    EXPECT_EQ(link.sendTuningReport(88100, 1, true), kIOReturnTimeout);
    EXPECT_EQ(calls(), (std::vector<Kind>{Kind::Open, Kind::SetReport, Kind::Close}));

    EXPECT_FALSE(link.reportWanted());
    services.sendMessage("tx", kIOMessageServiceIsResumed);
    EXPECT_TRUE(link.reportWanted());
    EXPECT_EQ(seen.back(), (Seen{gStatusNotification, true, 0x0100}));
    services.failSetReport(kIOReturnSuccess);
    const std::size_t told = seen.size();
    link.setFrequency(88100, 1, true);
    EXPECT_EQ(link.reportStatus(), kIOReturnSuccess);
    EXPECT_FALSE(link.reportWanted());
    EXPECT_EQ(seen.size(), told + 1);
    link.setFrequency(88200, 1, true);
    EXPECT_EQ(seen.size(), told + 1);
}

} // namespace
