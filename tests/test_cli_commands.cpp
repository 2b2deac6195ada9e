// usb-tavro's commands in this process, on the scripted device services: what reaches the
// transmitter, what is saved for the settings panel, what is said, and the exit status.
#include "cli/Commands.h"
#include "device/fake/FakeDeviceServices.h"
#include "settings/Settings.h"
#include "support/StreamCapture.h"

#include <QDir>
#include <QFile>
#include <QTemporaryDir>

#include <gmock/gmock.h>
#include <gtest/gtest.h>

#include <sstream>

namespace {

using device::FakeDeviceServices;
using ::testing::ElementsAre;
using ::testing::HasSubstr;
using ::testing::IsEmpty;
using ::testing::StartsWith;
using Bytes = std::vector<UInt8>;

constexpr char sRuleName[] = "70-usb-tavro.rules";

std::vector<std::string> lines(const std::ostringstream& inStream) {
    std::vector<std::string> lines;
    std::istringstream text(inStream.str());
    for (std::string line; std::getline(text, line);) {
        lines.push_back(line);
    }
    return lines;
}

QByteArray readAll(const QString& inPath) {
    QFile file(inPath);
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
}

struct SavedSettings {
    std::optional<SInt32> frequency{};
    std::optional<SInt32> style{};
    std::optional<bool> stereo{};
};

class Cli : public ::testing::Test {
protected:
    int tune(const QString& inText, std::optional<bool> inStereo = std::nullopt) {
        const std::optional<cli::Frequency> frequency = cli::parseFrequency(inText);
        EXPECT_TRUE(frequency.has_value()) << inText.toStdString();
        return cli::tune(context, inText, frequency.value_or(cli::Frequency{}), inStereo);
    }

    // A settings file as a user or the panel may have left it; none when nothing is saved.
    void save(const SavedSettings& inSaved) {
        if (!inSaved.frequency && !inSaved.style && !inSaved.stereo) {
            return;
        }
        QByteArray body;
        if (inSaved.frequency) {
            body += "<key>Frequency</key><integer>" + QByteArray::number(*inSaved.frequency) +
                    "</integer>";
        }
        if (inSaved.style) {
            body += "<key>Style</key><integer>" + QByteArray::number(*inSaved.style) + "</integer>";
        }
        if (inSaved.stereo) {
            body += *inSaved.stereo ? "<key>Stereo</key><true/>" : "<key>Stereo</key><false/>";
        }
        QFile file(settingsPath);
        ASSERT_TRUE(file.open(QIODevice::WriteOnly));
        file.write("<?xml version=\"1.0\"?><plist version=\"1.0\"><dict>" + body +
                   "</dict></plist>");
    }

    QTemporaryDir folder;
    QString settingsPath = folder.filePath("io.github.usbtavro.USB_Tavro.plist");
    FakeDeviceServices services;
    std::ostringstream out;
    std::ostringstream err;
    cli::Context context{services,
                         settingsPath,
                         {sRuleName, {folder.filePath("rules.d")}, folder.filePath("copy.rules")},
                         out,
                         err};
};

// ---- tune: what is sent and saved

struct TuneCase {
    const char* name;
    SavedSettings saved;
    const char* text;
    std::optional<bool> stereo;
    Bytes report;
    SInt32 savedFrequency;
    bool savedStereo;
};

void PrintTo(const TuneCase& inCase, std::ostream* outStream) {
    *outStream << inCase.name;
}

class Tune : public Cli, public ::testing::WithParamInterface<TuneCase> {};

TEST_P(Tune, SendsTheReportAndSavesWhatThePaneReads) {
    const TuneCase& c = GetParam();
    save(c.saved);
    services.plug({"tx"});

    EXPECT_EQ(tune(c.text, c.stereo), cli::sExitDone);

    EXPECT_THAT(services.reports(), ElementsAre(c.report));
    const settings::Stored stored = settings::read(settingsPath).stored;
    EXPECT_EQ(stored.frequency, c.savedFrequency);
    EXPECT_EQ(stored.stereo, c.savedStereo);
    EXPECT_EQ(stored.style, c.saved.style); // never written, never lost
    EXPECT_THAT(lines(out), ElementsAre(StartsWith("Tuned to ")));
    EXPECT_EQ(err.str(), "");
    EXPECT_EQ(services.held(), device::HeldReferences{});
}

INSTANTIATE_TEST_SUITE_P(
    Frequencies, Tune,
    ::testing::Values(
        TuneCase{"MHzWithoutSettings",
                 {},
                 "88.1",
                 {},
                 {0xC0, 0x4B, 0x71, 0x0C, 0x00, 0x00},
                 88100,
                 true},
        TuneCase{"kHz", {}, "88100", {}, {0xC0, 0x4B, 0x71, 0x0C, 0x00, 0x00}, 88100, true},
        TuneCase{"TopOfBandMono",
                 {},
                 "107.9",
                 false,
                 {0xC0, 0x44, 0x37, 0x0C, 0x00, 0x00},
                 107900,
                 false},
        TuneCase{"KeepsSavedMono",
                 {.stereo = false},
                 "100.3",
                 {},
                 {0xC0, 0x43, 0xEB, 0x0C, 0x00, 0x00},
                 100300,
                 false},
        TuneCase{"StereoOverSavedMono",
                 {.stereo = false},
                 "100.3",
                 true,
                 {0xC0, 0x4B, 0xEB, 0x0C, 0x00, 0x00},
                 100300,
                 true},
        TuneCase{"JapanBottomMono",
                 {.style = 1},
                 "76.1",
                 false,
                 {0xC0, 0x42, 0xF9, 0x0C, 0x00, 0x00},
                 76100,
                 false},
        TuneCase{"JapanTopInkHz",
                 {.frequency = 80000, .style = 1, .stereo = true},
                 "89900kHz",
                 {},
                 {0xC0, 0x4B, 0x83, 0x0C, 0x00, 0x00},
                 89900,
                 true},
        TuneCase{"UnknownStyleIsBandZero",
                 {.style = 7},
                 "107.9",
                 {},
                 {0xC0, 0x4C, 0x37, 0x0C, 0x00, 0x00},
                 107900,
                 true}),
    [](const auto& inInfo) { return std::string(inInfo.param.name); });

// ---- tune: refused

struct RefusedCase {
    const char* name;
    std::optional<SInt32> style;
    const char* text;
    const char* problem;
};

void PrintTo(const RefusedCase& inCase, std::ostream* outStream) {
    *outStream << inCase.name;
}

class TuneRefused : public Cli, public ::testing::WithParamInterface<RefusedCase> {};

TEST_P(TuneRefused, SendsAndSavesNothingAndIsAUsageError) {
    const RefusedCase& c = GetParam();
    if (c.style) {
        save({.frequency = 80000, .style = c.style, .stereo = false});
    }
    const QByteArray before = readAll(settingsPath);
    services.plug({"tx"});

    EXPECT_EQ(tune(c.text), cli::sExitUsage);

    EXPECT_THAT(services.hidCalls(), IsEmpty());
    EXPECT_EQ(readAll(settingsPath), before);
    EXPECT_EQ(QFile::exists(settingsPath), c.style.has_value());
    ASSERT_THAT(lines(err), ElementsAre(StartsWith("usb-tavro: ")));
    EXPECT_THAT(err.str(), HasSubstr(c.problem));
    EXPECT_EQ(out.str(), "");
}

INSTANTIATE_TEST_SUITE_P(
    Frequencies, TuneRefused,
    ::testing::Values(
        RefusedCase{"BelowBandZero",
                    {},
                    "88.0",
                    "88.0 MHz is outside the band 88.1 to 107.9 MHz (style 0, the default)"},
        RefusedCase{"AboveBandZero", {}, "108", "108 MHz is outside the band 88.1 to 107.9 MHz"},
        RefusedCase{"JapanInBandZero", {}, "76.1", "is outside the band 88.1 to 107.9 MHz"},
        RefusedCase{"BelowBandOne", 1, "76.0", "76.0 MHz is outside the band 76.1 to 89.9 MHz"},
        RefusedCase{"AboveBandOne", 1, "90000", "90000 kHz is outside the band 76.1 to 89.9 MHz"},
        RefusedCase{"BandZeroInBandOne", 1, "107.9",
                    "is outside the band 76.1 to 89.9 MHz (style 1 in"},
        RefusedCase{"UnknownStyleIsBandZero", 9, "76.1", "outside the band 88.1 to 107.9 MHz"},
        RefusedCase{"kHzTakenAsMHz", {}, "881", "881 MHz is outside the band"},
        RefusedCase{
            "OffGridMHz", {}, "88.15", "88.15 MHz is not on the 100 kHz grid: 88.1 or 88.2 MHz"},
        RefusedCase{"OffGridkHz",
                    {},
                    "107850",
                    "107850 kHz is not on the 100 kHz grid: 107.8 or 107.9 MHz"},
        RefusedCase{"BelowOneHertz", {}, "88.1000001MHz", "88.1000001MHz is not on the 100 kHz"}),
    [](const auto& inInfo) { return std::string(inInfo.param.name); });

// ---- tune: no transmitter, or one that cannot be used

TEST_F(Cli, NoTransmitterSavesTheChoiceAndSaysSoInOneLine) {
    save({.frequency = 88100, .style = 0, .stereo = true});

    EXPECT_EQ(tune("90.1", false), cli::sExitDevice);

    EXPECT_EQ(err.str(),
              "usb-tavro: no transmitter found; saved 90.1 MHz, mono, for the settings panel\n");
    const settings::Stored stored = settings::read(settingsPath).stored;
    EXPECT_EQ(stored.frequency, 90100);
    EXPECT_EQ(stored.stereo, false);
    EXPECT_EQ(stored.style, 0);
    EXPECT_EQ(out.str(), "");
}

TEST_F(Cli, AnotherDeviceIsNoTransmitter) {
    services.plug({.name = "mouse", .vendorID = 0x046D});
    services.plug({.name = "sibling", .productID = 0x0B18});

    EXPECT_EQ(tune("90.1"), cli::sExitDevice);
    EXPECT_THAT(err.str(), StartsWith("usb-tavro: no transmitter found;"));
    EXPECT_THAT(services.hidCalls(), IsEmpty());
}

TEST_F(Cli, NoPermissionNamesTheUdevRuleInOneLineAndLogsNothing) {
    services.plug({"tx"});
    services.failCall(FakeDeviceServices::Call::IOCreatePlugInInterfaceForService,
                      kIOReturnNotPrivileged);
    StreamCapture log(STDERR_FILENO);

    EXPECT_EQ(tune("88.1"), cli::sExitDevice);

    ASSERT_EQ(lines(err).size(), 1u);
    EXPECT_THAT(err.str(), StartsWith("usb-tavro: no permission to write to the transmitter: "
                                      "install the udev rule 70-usb-tavro.rules"));
    EXPECT_THAT(err.str(), HasSubstr("udevadm control --reload-rules"));
    EXPECT_THAT(err.str(), HasSubstr("; saved 88.1 MHz, stereo, for the settings panel"));
    // The link was not left to fail the adoption, which would log a line of its own.
    EXPECT_EQ(log.text(), "");
    EXPECT_EQ(services.held(), device::HeldReferences{});
}

struct OpenFailureCase {
    IOReturn status;
    const char* problem;
    bool whileWriting = false; // the open succeeds and the write fails
};

void PrintTo(const OpenFailureCase& inCase, std::ostream* outStream) {
    *outStream << std::hex << static_cast<UInt32>(inCase.status);
}

class TuneSendFails : public Cli, public ::testing::WithParamInterface<OpenFailureCase> {};

TEST_P(TuneSendFails, IsADeviceErrorInOneLineAndTheChoiceIsSaved) {
    services.plug({"tx"});
    if (GetParam().whileWriting) {
        services.failSetReport(GetParam().status);
    } else {
        services.failOpen(GetParam().status);
    }

    EXPECT_EQ(tune("88.1"), cli::sExitDevice);

    ASSERT_EQ(lines(err).size(), 1u);
    EXPECT_THAT(err.str(), StartsWith(std::string("usb-tavro: ") + GetParam().problem));
    EXPECT_EQ(settings::read(settingsPath).stored.frequency, 88100);
    EXPECT_EQ(out.str(), "");
}

INSTANTIATE_TEST_SUITE_P(
    Statuses, TuneSendFails,
    ::testing::Values(
        OpenFailureCase{kIOReturnNotPrivileged,
                        "no permission to write to the transmitter: install the udev rule"},
        OpenFailureCase{kIOReturnNoDevice, "the transmitter went away (result e00002c0)"},
        OpenFailureCase{kIOReturnExclusiveAccess,
                        "the transmitter is in use by another program (result e00002c5)"},
        OpenFailureCase{kIOReturnError, "the transmitter could not be reached (result e00002bc)"},
        OpenFailureCase{kIOReturnTimeout,
                        "the transmitter did not take the report in time (result e00002d6)", true},
        OpenFailureCase{kIOReturnNoDevice, "the transmitter went away (result e00002c0)", true}));

TEST_F(Cli, SettingsThatCannotBeWrittenFailTheTuneButTheReportIsSent) {
    // Its folder is a file: not even root can write there.
    QFile blocker(folder.filePath("not-a-folder"));
    ASSERT_TRUE(blocker.open(QIODevice::WriteOnly));
    context.settingsPath = blocker.fileName() + "/settings.plist";
    services.plug({"tx"});

    EXPECT_EQ(tune("88.1"), cli::sExitDevice);

    EXPECT_EQ(services.reports().size(), 1u);
    EXPECT_THAT(lines(err), ElementsAre(StartsWith("usb-tavro: tuned to 88.1 MHz, stereo, but "
                                                   "the settings file")));
}

TEST_F(Cli, WatchingThatFailsIsADeviceError) {
    services.plug({"tx"});
    services.failCall(FakeDeviceServices::Call::IOServiceAddMatchingNotification, kIOReturnError);

    EXPECT_EQ(tune("88.1"), cli::sExitDevice);
    EXPECT_THAT(err.str(),
                StartsWith("usb-tavro: could not look for transmitters (result e00002bc)"));
    EXPECT_EQ(services.held(), device::HeldReferences{});
}

// ---- what to do about the udev rule

TEST_F(Cli, UdevAdviceFollowsWhereTheRuleIs) {
    const cli::UdevRuleFiles& files = context.udevRule;
    EXPECT_THAT(cli::udevRuleAdvice(files).toStdString(),
                StartsWith("install the udev rule 70-usb-tavro.rules (in packaging/ of the "
                           "source) in /etc/udev/rules.d, run 'sudo udevadm control "
                           "--reload-rules', then unplug"));

    QFile copy(files.installedCopy);
    ASSERT_TRUE(copy.open(QIODevice::WriteOnly));
    copy.close();
    EXPECT_THAT(cli::udevRuleAdvice(files).toStdString(),
                StartsWith("install the udev rule with 'sudo cp " +
                           files.installedCopy.toStdString() + " /etc/udev/rules.d/'"));

    // In place already: then only the seat or a fresh plug-in can be the trouble.
    ASSERT_TRUE(QDir().mkpath(files.systemFolders.constFirst()));
    QFile rule(QDir(files.systemFolders.constFirst()).filePath(sRuleName));
    ASSERT_TRUE(rule.open(QIODevice::WriteOnly));
    rule.close();
    EXPECT_THAT(cli::udevRuleAdvice(files).toStdString(),
                ::testing::AllOf(HasSubstr(rule.fileName().toStdString() + " is in place"),
                                 HasSubstr("logged in at the seat"),
                                 HasSubstr("plug it in again")));
}

// ---- status

TEST_F(Cli, StatusOfAConnectedTransmitterAndSavedSettings) {
    save({.frequency = 76500, .style = 1, .stereo = false});
    services.plug({.name = "tx", .versionNumber = PropertyValue{0x0207LL}});

    EXPECT_EQ(cli::status(context), cli::sExitDone);

    EXPECT_THAT(lines(out),
                ElementsAre("Transmitter:     connected, hardware version 0207",
                            "Saved frequency: 76.5 MHz",
                            "Band:            76.1 to 89.9 MHz (style 1)", "Stereo:          mono",
                            "Settings file:   " + settingsPath.toStdString()));
    EXPECT_EQ(err.str(), "");
    EXPECT_THAT(services.hidCalls(), IsEmpty()); // status tunes nothing
    EXPECT_EQ(services.held(), device::HeldReferences{});
}

TEST_F(Cli, StatusWithoutTransmitterOrSettingsShowsTheDefaultsAndFails) {
    EXPECT_EQ(cli::status(context), cli::sExitDevice);

    EXPECT_THAT(lines(out),
                ElementsAre("Transmitter:     none found", "Saved frequency: 88.1 MHz (default)",
                            "Band:            88.1 to 107.9 MHz (style 0, the default)",
                            "Stereo:          stereo (default)", StartsWith("Settings file:")));
    EXPECT_EQ(err.str(), "usb-tavro: no transmitter found\n");
    EXPECT_FALSE(QFile::exists(settingsPath)); // status writes nothing
}

TEST_F(Cli, StatusShowsWhatThePaneWouldMakeOfOddSettings) {
    save({.frequency = 120000, .style = 4});
    services.plug({.name = "tx", .versionNumber = std::nullopt});

    EXPECT_EQ(cli::status(context), cli::sExitDone);

    const auto shown = lines(out);
    ASSERT_EQ(shown.size(), 5u);
    EXPECT_EQ(shown[0], "Transmitter:     connected, hardware version ffff");
    EXPECT_EQ(shown[1], "Saved frequency: 120.0 MHz (outside the band)");
    EXPECT_EQ(shown[2], "Band:            88.1 to 107.9 MHz (style 4 is unknown: the band of "
                        "style 0)");
}

TEST_F(Cli, StatusOfATransmitterWithoutPermissionSaysWhyInOneLine) {
    services.plug({"tx"});
    services.failCall(FakeDeviceServices::Call::IOCreatePlugInInterfaceForService,
                      kIOReturnNotPrivileged);

    EXPECT_EQ(cli::status(context), cli::sExitDevice);

    EXPECT_EQ(lines(out).front(), "Transmitter:     found (hardware version 0100), not connected");
    ASSERT_EQ(lines(err).size(), 1u);
    EXPECT_THAT(err.str(), StartsWith("usb-tavro: no permission to write to the transmitter: "));
}

// ---- list

TEST_F(Cli, ListShowsEveryTransmitterInTheOrderTheLinkIsOfferedThem) {
    services.plug({.name = "first", .versionNumber = PropertyValue{0x0102LL}});
    services.plug({.name = "mouse", .vendorID = 0x046D});
    services.plug({.name = "second", .versionNumber = PropertyValue{std::string("1.02")}});

    EXPECT_EQ(cli::list(context), cli::sExitDone);

    EXPECT_THAT(lines(out), ElementsAre("(no device node)  hardware version 0102",
                                        "(no device node)  hardware version fffe"));
    EXPECT_EQ(err.str(), "");
    EXPECT_EQ(services.held(), device::HeldReferences{});
}

TEST_F(Cli, ListOfNoneOrOfUnusableTransmittersFails) {
    EXPECT_EQ(cli::list(context), cli::sExitDevice);
    EXPECT_EQ(err.str(), "usb-tavro: no transmitter found\n");

    err.str("");
    services.plug({"tx"});
    services.failCall(FakeDeviceServices::Call::IOCreatePlugInInterfaceForService,
                      kIOReturnNotPrivileged);
    EXPECT_EQ(cli::list(context), cli::sExitDevice);
    EXPECT_THAT(lines(out),
                ElementsAre("(no device node)  hardware version 0100  (no permission to write to "
                            "it)"));
    EXPECT_THAT(lines(err), ElementsAre(StartsWith("usb-tavro: no permission to write to")));
}

} // namespace
