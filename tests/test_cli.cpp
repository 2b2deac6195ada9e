// usb-tavro as a person runs it: the program itself, with a settings folder of its own, on
// umockdev's mock sysfs (empty unless a test plugs transmitters in), whose hidraw nodes give back
// the bytes written to them.
#include "host/PropertyList.h"
#include "settings/Settings.h"
#include "support/Files.h"
#include "support/MockSysfs.h"
#include "support/ProgramRun.h"
#include "support/QtPrinters.h"
#include "support/WriteFailures.h"

#include <QDir>
#include <QElapsedTimer>
#include <QProcess>
#include <QRegularExpression>
#include <QTest>
#include <QThread>

#include <gmock/gmock.h>
#include <gtest/gtest.h>

#include <set>
#include <span>

#include <sys/stat.h>
#include <unistd.h>

// umockdev's preload library comes before the sanitizer runtime; that order is intended here.
extern "C" __attribute__((used)) const char* __asan_default_options() {
    return "verify_asan_link_order=0";
}

namespace {

using namespace ::testing;
using Bytes = std::vector<UInt8>;

using Outcome = ProgramRun::Outcome;
using Output = ProgramRun::Output;

QStringList lines(const std::string& inText) {
    return QString::fromStdString(inText).split('\n', Qt::SkipEmptyParts);
}

// A step of a person's session with the tool: what they type, and what it answers ($F standing
// for the settings file).
struct Step {
    QStringList arguments;
    int exitCode;
    const char* out;
    const char* err;
};

class Cli : public ::testing::Test {
protected:
    void SetUp() override { ASSERT_TRUE(MockSysfs::isActive()) << "run under umockdev-wrapper"; }

    Outcome run(const QStringList& inArguments, bool inAsAUser = false,
                Output inOutput = Output::Read) {
        cli.env.remove("LC_ALL");
        cli.env.insert("LANGUAGE", languages);
        cli.env.insert("LANG", locale);
        cli.env.insert("LC_NUMERIC", numbers);
        cli.env.insert("ASAN_OPTIONS", "verify_asan_link_order=0");
        return cli.run(inArguments, inAsAUser, inOutput);
    }
    // A settings file holding the keys and values of inBody; none for null.
    void save(const char* inBody) {
        QFile::remove(settingsPath);
        ASSERT_TRUE(inBody == nullptr || put(settingsPath, plistXml(inBody)));
    }
    QByteArray saved() const { return contents(settingsPath); }
    // Runs each step in turn on the one settings file.
    void runSteps(std::span<const Step> inSteps) {
        for (const Step& step : inSteps) {
            SCOPED_TRACE(step.arguments.join(' ').toStdString());
            const Outcome outcome = run(step.arguments);
            EXPECT_EQ(outcome.exitCode, step.exitCode);
            EXPECT_EQ(outcome.out, withPath(step.out));
            EXPECT_EQ(outcome.err, withPath(step.err));
        }
    }
    // inText with $F standing for the settings file.
    std::string withPath(const char* inText) const {
        return QString(inText).replace("$F", settingsPath).toStdString();
    }

    MockSysfs sysfs;
    ProgramRun cli{TAVRO_CLI_PROGRAM};
    QString settingsPath = cli.settingsPath();
    QString locale = "C.UTF-8";  // the language of its words
    QString languages;           // LANGUAGE's list
    QString numbers = "C.UTF-8"; // how numbers are written
};

const char* const sMono = "<key>Frequency</key><integer>100300</integer><key>Stereo</key><false/>";
const char* const sOffAtPlug = "<key>Frequency</key><integer>76500</integer><key>Style</key>"
                               "<integer>1</integer><key>ApplyOnPlug</key><false/>";
const char* const sUnreadable = "<integer>5</integer>";
// A missing permission names the node and the udev rule, wherever the rule may be.
const std::string sNoPermission =
    "usb-tavro: no permission to write to the transmitter at /dev/hidraw";
const std::string sRule = "70-usb-tavro\\.rules";

TEST_F(Cli, RefusesABadCommandLineInOneLineWithExitStatusTwo) {
#define SEE " (see usb-tavro --help)"
#define BAND " is outside the band 88.1 to 107.9 MHz (style 0, the default)"
    // Then frequencies the program reads and refuses; digits below one hertz are kept: never
    // rounded into the band or onto the grid.
    // clang-format off
    const std::pair<QStringList, const char*> cases[] = {
        {{}, "no command given" SEE}, {{"--bogus", "-h"}, "unknown option --bogus" SEE},
        {{"tune", "88.1", "--on-plug"}, "--on-plug applies to apply only" SEE},
        {{"tune", "-88.1"}, "-88.1 is not a frequency" SEE},
        {{"tune", "8\x1b[2J\t8"}, "8\\x1b[2J\\x098 is not a frequency" SEE},
        {{"tune", "88.1  MHz"}, "88.1  MHz is not a frequency" SEE},
        {{"tune", "88,1"}, "88,1 is not a frequency: write decimals with a point, as in 88.1" SEE},
        {{"tune", QString(5000, '9')}, "999999999999999999999999\u2026 is not a frequency" SEE},
        {{"tune", "1000"}, "1000 kHz" BAND}, {{"tune", "999999999"}, "999999999 kHz" BAND},
        {{"tune", "88.15"}, "88.15 MHz is not on the 100 kHz grid: 88.1 or 88.2 MHz"},
        {{"tune", "107.9000001"}, "107.9000001 MHz" BAND}};
    // clang-format on
    for (const auto& [arguments, problem] : cases) {
        SCOPED_TRACE(arguments.join(' ').toStdString());
        const Outcome outcome = run(arguments);
        EXPECT_EQ(outcome.exitCode, 2);
        EXPECT_EQ(outcome.out, "");
        EXPECT_EQ(outcome.err, "usb-tavro: " + std::string(problem) + "\n");
        EXPECT_FALSE(QFile::exists(settingsPath));
    }
}

TEST_F(Cli, RunsEachCommandOnTheSettingsFileAsItFindsIt) {
    // Numbers written with a decimal comma change nothing the program reads or says.
    numbers = "de_DE.UTF-8";
    const char* const noTransmitter = "usb-tavro: no transmitter found\n";
    // The settings dictionary's keys and values (null for no file), and a step on them.
    // clang-format off
    const std::pair<const char*, Step> cases[] = {
        {sOffAtPlug, {{"tune", "107.9"}, 2, "",
         "usb-tavro: 107.9 MHz is outside the band 76.1 to 89.9 MHz (style 1 in $F)\n"}},
        {sMono, {{"--simulate", "tune", " 100.3 "}, 0,
         "report: C0 43 EB 0C 00 00  100.3 MHz mono power 1\nTuned to 100.3 MHz, mono.\n", ""}},
        {nullptr, {{"tune", "90.1", "--mono"}, 1, "",
         "usb-tavro: no transmitter found; saved 90.1 MHz, mono, for the settings panel\n"}},
        {nullptr, {{"status"}, 1,
         "Transmitter:     none found\nSaved frequency: 88.1 MHz (default)\n"
         "Band:            88.1 to 107.9 MHz (style 0, the default)\n"
         "Stereo:          stereo (default)\nApply on plug:   yes (default)\n"
         "Settings file:   $F\n", noTransmitter}},
        {sOffAtPlug, {{"--simulate", "status"}, 0,
         "Transmitter:     connected, hardware version 0100\nSaved frequency: 76.5 MHz\n"
         "Band:            76.1 to 89.9 MHz (style 1)\nStereo:          stereo (default)\n"
         "Apply on plug:   no\nSettings file:   $F\n", ""}},
        {sUnreadable, {{"--simulate", "status"}, 0,
         "Transmitter:     connected, hardware version 0100\nSaved frequency: 88.1 MHz (default)\n"
         "Band:            88.1 to 107.9 MHz (style 0, the default)\n"
         "Stereo:          stereo (default)\nApply on plug:   yes (default)\n"
         "Settings file:   $F (could not be read; the next save keeps it as $F.unreadable)\n", ""}},
        {sUnreadable, {{"--simulate", "tune", "88.1"}, 0,
         "report: C0 4B 71 0C 00 00  88.1 MHz stereo power 1\nTuned to 88.1 MHz, stereo.\n",
         "Settings file $F could not be read; kept as $F.unreadable\n"}},
        {sUnreadable, {{"--simulate", "apply"}, 1, "",
         "usb-tavro: the settings file $F could not be read: nothing sent\n"}},
        {sOffAtPlug, {{"--simulate", "apply", "--on-plug"}, 0,
         "ApplyOnPlug is false in $F: nothing sent.\n", ""}},
        {sOffAtPlug, {{"--simulate", "apply"}, 0,
         "report: C0 4A FD 0C 00 00  76.5 MHz stereo power 1\n"
         "Applied 76.5 MHz, stereo to the transmitter.\n", ""}},
        {nullptr, {{"apply"}, 1, "", noTransmitter}},
    };
    // clang-format on
    for (const auto& [settings, step] : cases) {
        save(settings);
        const QByteArray before = saved();
        runSteps({&step, 1});
        EXPECT_TRUE(step.arguments.contains("tune") || saved() == before); // only tune saves
    }
}

TEST_F(Cli, HelpLinesUpItsColumnsAndNamesTheSettingsFile) {
    const Outcome help = run({"--help"});
    EXPECT_EQ(help.exitCode, 0);
    EXPECT_EQ(help.err, "");
    EXPECT_THAT(help.out, HasSubstr(withPath("\nSettings file: $F\n")));
    // Where the descriptions of the commands and options start: indented entries and their
    // continuations, from the list of commands on.
    std::set<qsizetype> columns;
    const QString text = QString::fromStdString(help.out);
    for (const QString& line : text.mid(text.indexOf("Commands:")).split('\n')) {
        const auto match = QRegularExpression(R"(^(  \S+(?: \S+)*  +| {3,})\S)").match(line);
        if (match.hasMatch()) {
            columns.insert(match.capturedLength(1));
        }
    }
    EXPECT_THAT(columns, ElementsAre(18));
}

// Also when standard output is closed (as `>&-` leaves it): then nothing else takes its number.
TEST_F(Cli, OutputThatCannotBeWrittenFailsInOneLineAfterTuneHasSaved) {
    const std::tuple<Output, std::vector<int>, std::string> targets[] = {
        {Output::Full, {}, "No space left on device"},
        {Output::Closed, {}, "Broken pipe"},
        {Output::Read, {STDOUT_FILENO}, "Bad file descriptor"}};
    for (const auto& [target, closed, reason] : targets) {
        cli.closed = closed;
        for (const QStringList& arguments :
             {QStringList{"--help"}, QStringList{"--version"}, QStringList{"--simulate", "status"},
              QStringList{"--simulate", "tune", "101.5"}}) {
            SCOPED_TRACE(arguments.join(' ').toStdString());
            const Outcome outcome = run(arguments, false, target);
            EXPECT_EQ(outcome.exitCode, 1);
            EXPECT_EQ(outcome.err,
                      "usb-tavro: could not write to standard output: " + reason + "\n");
        }
        EXPECT_EQ(settings::read(settingsPath).stored.frequency, 101500);
        QFile::remove(settingsPath);
    }
}

// Node names and the settings path come from outside, as arguments do: shown with their control
// characters escaped, also in the settings module's log line.
TEST_F(Cli, ShowsNodesAndPathsWithTheirControlCharactersEscaped) {
    // A C1 control (CSI, U+009B): newer libudev refuses names with C0 ones.
    sysfs.add({.index = 0,
               .name = "hidraw\xc2\x9b"
                       "2J0"});
    const QString folder = cli.config.filePath("\x1b]0;x\a");
    ASSERT_TRUE(QDir().mkpath(folder));
    cli.env.insert("XDG_CONFIG_HOME", folder);
    settingsPath = folder + "/" TAVRO_BUNDLE_IDENTIFIER ".plist";
    const std::string node = "/dev/hidraw\\x9b2J0";
    const std::string path =
        cli.config.path().toStdString() + "/\\x1b]0;x\\x07/" TAVRO_BUNDLE_IDENTIFIER ".plist";
    const std::tuple<const char*, QStringList, std::string> cases[] = {
        {nullptr, {"list"}, node + "  hardware version 0102\n"},
        {nullptr, {"apply"}, "Applied 88.1 MHz, stereo to the transmitter at " + node + ".\n"},
        {sUnreadable, {"tune", "88.1"}, "Settings file " + path + " could not be read; kept as "}};
    for (const auto& [settings, arguments, shown] : cases) {
        SCOPED_TRACE(arguments.join(' ').toStdString());
        save(settings);
        const Outcome outcome = run(arguments);
        EXPECT_THAT(outcome.out + outcome.err,
                    AllOf(HasSubstr(shown), Not(HasSubstr("\x1b")), Not(HasSubstr("\xc2\x9b"))));
    }
}

// A folder that takes no file, a lock another program holds (flock(1) here), a folder not made
// yet: what each means is said in one line, and nothing is lost.
TEST_F(Cli, SettingsFolderTroublesAreSaidAndNothingIsLost) {
    ASSERT_EQ(::chmod(qPrintable(cli.config.path()), 0555), 0);
    const Outcome outcome = run({"--simulate", "tune", "88.1"}, true);
    ::chmod(qPrintable(cli.config.path()), 0755);
    EXPECT_EQ(outcome.exitCode, 1);
    EXPECT_EQ(outcome.err, withPath("usb-tavro: tuned to 88.1 MHz, stereo, but the settings file "
                                    "$F could not be written: Permission denied\n"));

    QProcess holder;
    holder.start("flock", {"-x", settingsPath + ".lock", "sleep", "30"});
    ASSERT_TRUE(QTest::qWaitFor([&] { return QFile::exists(settingsPath + ".lock"); }));
    QTest::qWait(100);
    QElapsedTimer clock;
    clock.start();
    const Outcome held = run({"tune", "99.5"});
    EXPECT_GE(clock.elapsed(), 500);
    EXPECT_EQ(held.err, withPath("Settings lock $F.lock is held by another program: saving without "
                                 "it\nusb-tavro: no transmitter found; saved 99.5 MHz, stereo, "
                                 "for the settings panel\n"));
    EXPECT_EQ(settings::read(settingsPath).stored.frequency, 99500);
    holder.kill();
    holder.waitForFinished();

    // A folder made for the settings is the user's alone, as configuration folders are.
    cli.env.insert("XDG_CONFIG_HOME", cli.config.filePath("new/config"));
    EXPECT_EQ(run({"station", "save", "Home", "99.5"}).exitCode, 0);
    for (const char* folder : {"new", "new/config"}) {
        struct stat info {};
        ASSERT_EQ(::stat(qPrintable(cli.config.filePath(folder)), &info), 0);
        EXPECT_EQ(info.st_mode & 0777, 0700u) << folder;
    }
}

TEST_F(Cli, TunesTheFirstWritableTransmitterAndListsEveryOne) {
    sysfs.add({.index = 0, .bcdDevice = "0210"});
    MockSysfs::setMode(0, 0);
    sysfs.add({.index = 1, .idVendor = "046d"});
    sysfs.add({.index = 2, .bcdDevice = "0304"});

    const Outcome tuned = run({"tune", "107.9", "--mono"}, true);
    EXPECT_EQ(tuned.exitCode, 0) << tuned.err;
    EXPECT_EQ(tuned.out, "Tuned to 107.9 MHz, mono.\n");
    EXPECT_THAT(sysfs.written(2), ElementsAre(0x00, 0xC0, 0x44, 0x37, 0x0C, 0x00, 0x00));
    EXPECT_EQ(settings::read(settingsPath).stored.frequency, 107900);

    const Outcome status = run({"status"}, true);
    EXPECT_EQ(status.exitCode, 0);
    EXPECT_THAT(status.out, StartsWith("Transmitter:     connected at /dev/hidraw2, hardware "
                                       "version 0304\nSaved frequency: 107.9 MHz\n"));

    const Outcome listed = run({"list"}, true);
    EXPECT_EQ(listed.exitCode, 0); // one of them can be used
    EXPECT_THAT(
        lines(listed.out),
        UnorderedElementsAre("/dev/hidraw0  hardware version 0210  (no permission to write to it)",
                             "/dev/hidraw2  hardware version 0304"));
    EXPECT_THAT(listed.err, MatchesRegex(sNoPermission + "0: [^\n]*" + sRule + "[^\n]*\n"));
}

TEST_F(Cli, ApplySendsTheSavedSettingsToTheTransmittersAskedForAndSavesNothing) {
    save(sMono);
    const QByteArray before = saved();
    for (const unsigned index : {0u, 1u, 2u}) {
        sysfs.add({.index = index, .idVendor = index == 2 ? "046d" : "0f5a"});
    }
    const Bytes report{0x00, 0xC0, 0x43, 0xEB, 0x0C, 0x00, 0x00};

    const Outcome all = run({"apply"});
    EXPECT_EQ(all.exitCode, 0) << all.err;
    EXPECT_THAT(lines(all.out), UnorderedElementsAre(
                                    "Applied 100.3 MHz, mono to the transmitter at /dev/hidraw0.",
                                    "Applied 100.3 MHz, mono to the transmitter at /dev/hidraw1."));
    EXPECT_EQ(sysfs.written(0), report);
    EXPECT_EQ(sysfs.written(1), report);

    EXPECT_EQ(run({"apply", "/dev/hidraw1"}).exitCode, 0);
    EXPECT_THAT(sysfs.written(0), IsEmpty());
    EXPECT_EQ(sysfs.written(1), report);

    const Outcome other = run({"apply", "/dev/hidraw2"});
    EXPECT_EQ(other.exitCode, 1);
    EXPECT_EQ(other.err, "usb-tavro: no transmitter at /dev/hidraw2\n");
    EXPECT_THAT(sysfs.written(2), IsEmpty());
    EXPECT_EQ(saved(), before);
}

TEST_F(Cli, ApplyWaitsUpToASecondForTheNodeToBecomeWritable) {
    sysfs.add({.index = 0});
    MockSysfs::setMode(0, 0);
    cli.env.insert("ASAN_OPTIONS", "verify_asan_link_order=0");
    cli.start({"apply", "--on-plug", "/dev/hidraw0"}, true);
    QThread::msleep(300);
    MockSysfs::setMode(0, 0666);
    const Outcome late = cli.finish();
    EXPECT_EQ(late.exitCode, 0) << late.err;
    EXPECT_THAT(sysfs.written(0), ElementsAre(0x00, 0xC0, 0x4B, 0x71, 0x0C, 0x00, 0x00));

    MockSysfs::setMode(0, 0);
    QElapsedTimer clock;
    clock.start();
    const Outcome never = run({"apply"}, true);
    EXPECT_GE(clock.elapsed(), 1000);
    EXPECT_EQ(never.exitCode, 1);
    EXPECT_THAT(never.err, MatchesRegex(sNoPermission + "0: [^\n]*" + sRule + "[^\n]*\n"));
    EXPECT_THAT(sysfs.written(0), IsEmpty());
}

const char* const sNote = "<key>Note</key><string>mine</string>";

// band and apply-on-plug show the saved value, or save a new one keeping every other key.
TEST_F(Cli, SetsTheBandAndApplyOnPlugKeepingEveryOtherKey) {
    save(QByteArray(sMono).append(sNote).constData());
    // clang-format off
    const Step steps[] = {
        {{"band"}, 0, "Band: 88.1 to 107.9 MHz (style 0, the default)\n", ""},
        // What the band moves, it saves and sends, as the panel does.
        {{"--simulate", "band", "Japan"}, 0,
         "Band: 76.1 to 89.9 MHz (style 1), saved. The saved frequency 100.3 MHz was outside it: "
         "now 89.9 MHz.\nreport: C0 43 83 0C 00 00  89.9 MHz mono power 1\n"
         "Tuned to 89.9 MHz, mono.\n", ""},
        {{"band"}, 0, "Band: 76.1 to 89.9 MHz (style 1)\n", ""},
        {{"band", "2"}, 2, "", "usb-tavro: unknown band 2: give 0 or world (88.1 to 107.9 MHz), 1 "
                               "or japan (76.1 to 89.9 MHz) (see usb-tavro --help)\n"},
        {{"--simulate", "apply"}, 0, "report: C0 43 83 0C 00 00  89.9 MHz mono power 1\n"
                                     "Applied 89.9 MHz, mono to the transmitter.\n", ""},
        {{"band", "0"}, 0, "Band: 88.1 to 107.9 MHz (style 0), saved.\n", ""},
        {{"apply-on-plug"}, 0, "Apply on plug: yes (default)\n", ""},
        {{"apply-on-plug", "off"}, 0, "Apply on plug: no, saved: a transmitter plugged in while "
                                      "the panel is closed keeps what it had.\n", ""},
        {{"--simulate", "apply", "--on-plug"}, 0, "ApplyOnPlug is false in $F: nothing sent.\n",
         ""},
        {{"apply-on-plug", "maybe"}, 2, "", "usb-tavro: apply-on-plug takes on or off, not maybe "
                                            "(see usb-tavro --help)\n"},
    };
    // clang-format on
    runSteps(steps);
    const auto dict = host::Dictionary::dictionaryWithContentsOfFile(settingsPath);
    ASSERT_TRUE(dict);
    EXPECT_EQ(dict->longValue("Style"), 0);
    EXPECT_EQ(dict->boolValue("ApplyOnPlug"), false);
    EXPECT_EQ(dict->longValue("Frequency"), 89900);
    EXPECT_EQ(dict->stringValue("Note"), QString("mine"));
}

QByteArray station(const char* inName, int inFrequency, const char* inStereo = "<true/>") {
    return QByteArray("<dict><key>Name</key><string>") + inName +
           "</string><key>Frequency</key><integer>" + QByteArray::number(inFrequency) +
           "</integer><key>Stereo</key>" + inStereo + "</dict>";
}

// A session with the stations of a hand-edited file, whose malformed entries the tool passes
// over and keeps where they are. A station means one thing everywhere: one name however it is
// written, all its entries edited together, its frequency on the step and in the band that
// holds it.
TEST_F(Cli, SavesRecallsRenamesAndRemovesStationsKeepingMalformedEntries) {
    save(QByteArray(sMono)
             .append("<key>Stations</key><array><string>junk</string>")
             .append(station("Far", 120000))
             .append(station("Good", 100100) + station("\xe6\x9d\xb1\xe4\xba\xac", 80000))
             .append(station("Good", 101100, "<false/>") + station("Half", 99550))
             .append(station("Cafe\xcc\x81", 95000)) // "e" and a combining accent
             .append("</array>")
             .constData());
    // clang-format off
    const Step steps[] = {
        {{"station"}, 0, "Good  100.1 MHz, stereo\n\xe6\x9d\xb1\xe4\xba\xac  80.0 MHz, stereo\n"
                         "Half  99.5 MHz, stereo\nCaf\xc3\xa9  95.0 MHz, stereo\n", ""},
        {{"station", "save", "Caf\u00e9", "102.5"}, 0,
         "Replaced station Caf\xc3\xa9: 102.5 MHz, mono.\n", ""},
        {{"station", "save", "Lyon\u200b", "99.5"}, 2, "", "usb-tavro: a station's name cannot "
         "hold invisible characters, direction marks or line separators\n"},
        {{"station", "save", "--mono", "99.5"}, 2, "", "usb-tavro: a station's name cannot be a "
         "frequency alone, as 99.5 is: give the name first, as in usb-tavro station save NAME "
         "99.5\n"},
        {{"--simulate", "tune", "--station", "\u6771\u4eac"}, 0,
         "Band: 76.1 to 89.9 MHz (style 1), saved.\n"
         "report: C0 4B 20 0C 00 00  80.0 MHz stereo power 1\nTuned to 80.0 MHz, stereo.\n", ""},
        {{"--simulate", "tune", "--station", "Half"}, 0,
         "Band: 88.1 to 107.9 MHz (style 0), saved.\n"
         "report: C0 4B E3 0C 00 00  99.5 MHz stereo power 1\nTuned to 99.5 MHz, stereo.\n", ""},
        {{"station", "rename", "Good", "Best"}, 0,
         "Renamed station Good to Best (2 entries of that name).\n", ""},
        {{"station", "remove", "Best"}, 0, "Removed station Best (2 entries of that name).\n", ""},
        {{"station", "remove", "Half"}, 0, "Removed station Half.\n", ""},
        {{"station", "save", "Home"}, 0, "Saved station Home: 99.5 MHz, stereo.\n", ""},
        {{"station", "save", "Work", "101.1", "--stereo"}, 0,
         "Saved station Work: 101.1 MHz, stereo.\n", ""},
        {{"station", "save", "Home", "99.7", "--mono"}, 0,
         "Replaced station Home: 99.7 MHz, mono.\n", ""},
        {{"station", "save", "Far", "108.5"}, 2, "",
         "usb-tavro: 108.5 MHz is outside the band 88.1 to 107.9 MHz (style 0 in $F)\n"},
        {{"station", "rename", "Work", "Home"}, 2, "",
         "usb-tavro: a station named Home is saved already\n"},
        {{"station", "rename", "Work", "Job"}, 0, "Renamed station Work to Job.\n", ""},
        {{"station", "list"}, 0, "\xe6\x9d\xb1\xe4\xba\xac  80.0 MHz, stereo\n"
                                 "Caf\xc3\xa9  102.5 MHz, mono\nHome  99.7 MHz, mono\n"
                                 "Job   101.1 MHz, stereo\n", ""},
        {{"--simulate", "tune", "--station", "Job", "--mono"}, 0,
         "report: C0 43 F3 0C 00 00  101.1 MHz mono power 1\nTuned to 101.1 MHz, mono.\n", ""},
        {{"tune", "--station=Far"}, 2, "", "usb-tavro: no station named Far\n"},
        {{"station", "remove", "Home"}, 0, "Removed station Home.\n", ""},
        {{"station", "remove", "Home"}, 2, "", "usb-tavro: no station named Home\n"},
        {{"station", "save"}, 2, "",
         "usb-tavro: station save needs a name for the station (see usb-tavro --help)\n"},
    };
    // clang-format on
    runSteps(steps);
    const auto dict = host::Dictionary::dictionaryWithContentsOfFile(settingsPath);
    ASSERT_TRUE(dict);
    EXPECT_EQ(dict->arrayCount("Stations"), 5u);
    EXPECT_FALSE(dict->arrayDictionary("Stations", 0)); // the junk, first still
    EXPECT_EQ(dict->arrayDictionary("Stations", 1)->stringValue("Name"), QString("Far"));
    EXPECT_EQ(dict->arrayDictionary("Stations", 4)->stringValue("Name"), QString("Job"));
    EXPECT_EQ(dict->longValue("Frequency"), 101100);
}

// 32 stations at most, and names of at most 64 characters, however many bytes they take.
TEST_F(Cli, StationsAreBoundedTo32And64Characters) {
    QByteArray entries;
    for (int i = 1; i < 32; ++i) {
        entries += "<dict><key>Name</key><string>S" + QByteArray::number(i) +
                   "</string><key>Frequency</key><integer>99500</integer></dict>";
    }
    save(QByteArray("<key>Stations</key><array>" + entries + "</array>").constData());
    const QString longest = QString::fromUtf8("\xf0\x9f\x93\xbb").repeated(64);
    const std::tuple<QString, int, std::string> cases[] = {
        {"x" + longest, 2, "usb-tavro: a station's name has at most 64 characters, not 65\n"},
        {longest, 0, ""},
        {"S33", 2, "usb-tavro: 32 stations are saved, as many as can be: remove one first\n"},
        {"S1", 0, ""}};
    for (const auto& [name, exitCode, err] : cases) {
        SCOPED_TRACE(name.toStdString());
        const Outcome outcome = run({"station", "save", name, "88.1"});
        EXPECT_EQ(outcome.exitCode, exitCode);
        EXPECT_EQ(outcome.err, err);
    }
    EXPECT_EQ(settings::read(settingsPath).stored.stations.size(), 32u);
}

// Under each language the tool speaks, as desktop programs choose it (LANGUAGE first, unless
// messages are in the C locale): its words translated, frequencies written with the point the
// dial shows, exit statuses, report bytes and log lines as they are in English.
TEST_F(Cli, SpeaksThePersonsLanguageKeepingStatusesReportsAndLogLines) {
    const auto said = [this](const char* inLocale, const QStringList& inArguments,
                             const char* inSettings = nullptr, const char* inLanguages = "") {
        save(inSettings);
        QFile::remove(settingsPath + ".unreadable");
        std::tie(locale, languages) = std::pair(inLocale, inLanguages);
        return run(inArguments);
    };
    const QStringList commands[] = {{"tune", "88.15"}, {"--simulate", "tune", "99.5"}, {"--help"}};
    for (const char* language : {"de_DE.UTF-8", "fr_FR.UTF-8", "es_ES.UTF-8", "ja_JP.UTF-8"}) {
        SCOPED_TRACE(language);
        for (const QStringList& command : commands) {
            const Outcome english = said("C.UTF-8", command);
            const Outcome spoken = said(language, command);
            EXPECT_EQ(spoken.exitCode, english.exitCode) << command.join(' ').toStdString();
            EXPECT_NE(spoken.out + spoken.err, english.out + english.err);
        }
        EXPECT_THAT(said(language, {"tune", "88.15"}).err, HasSubstr("88.2 MHz"));
        EXPECT_THAT(said(language, {"--simulate", "tune", "99.5"}).out,
                    MatchesRegex("report: C0 4B E3 0C 00 00  99.5 MHz stereo power 1\n"
                                 "[^\n]*99\\.5 MHz[^\n]*\n"));
        EXPECT_EQ(said(language, {"--simulate", "tune", "88.1"}, sUnreadable).err,
                  withPath("Settings file $F could not be read; kept as $F.unreadable\n"));
    }
    // The list in LANGUAGE wins over LANG, but not over the C locale.
    EXPECT_EQ(said("fr_FR.UTF-8", {"tune", "88.15"}, nullptr, "ja_JP.UTF-8").err,
              said("ja_JP.UTF-8", {"tune", "88.15"}).err);
    EXPECT_EQ(said("C.UTF-8", {"tune", "88.15"}, nullptr, "de_DE.UTF-8").err,
              "usb-tavro: 88.15 MHz is not on the 100 kHz grid: 88.1 or 88.2 MHz\n");
}

// A write the kernel refuses is told in the words the panel's status line uses, with the node and
// the system's message; tune still saves.
TEST_F(Cli, WriteTheKernelRefusedIsToldInWords) {
    for (const WriteFailure& failure : sWriteFailures) {
        SCOPED_TRACE(failure.words);
        sysfs.add({.index = failure.index});
        sysfs.failWrites(failure.index, failure.error);
        const Outcome applied =
            run({"apply", QString::fromStdString(MockSysfs::node(failure.index))});
        EXPECT_EQ(applied.exitCode, 1);
        EXPECT_EQ(applied.err, "usb-tavro: " + failure.words + "\n");
        const Outcome tuned = run({"tune", "90.1"});
        EXPECT_EQ(tuned.exitCode, 1);
        EXPECT_EQ(tuned.err, "usb-tavro: " + failure.words +
                                 "; saved 90.1 MHz, stereo, for the settings panel\n");
        sysfs.remove(failure.index);
    }
}

} // namespace
