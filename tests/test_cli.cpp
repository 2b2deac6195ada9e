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
#include <QProcess>
#include <QRegularExpression>
#include <QTest>

#include <gmock/gmock.h>
#include <gtest/gtest.h>

#include <chrono>
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

// inText's lines, without the empty ones.
QStringList lines(const std::string& inText) {
    return QString::fromStdString(inText).split('\n', Qt::SkipEmptyParts);
}

// A step of a person's session with the tool: what they type, and what it answers ($F standing
// for the settings file).
struct Step {
    QStringList arguments;
    int exitCode;
    Matcher<std::string> out;
    Matcher<std::string> err;
    std::chrono::milliseconds atLeast{}; // how long it takes at least
};

class Cli : public ::testing::Test {
protected:
    void SetUp() override {
        ASSERT_TRUE(MockSysfs::isActive()) << "run under umockdev-wrapper";
        cli.env.insert("ASAN_OPTIONS", "verify_asan_link_order=0");
    }
    // A settings file holding the keys and values of inBody; none for null.
    void save(const char* inBody) {
        QFile::remove(settingsPath);
        ASSERT_TRUE(inBody == nullptr || put(settingsPath, plistXml(inBody)));
    }
    // inText with $F standing for the settings file.
    std::string shown(const std::string& inText) const {
        return QString::fromStdString(inText).replace(settingsPath, "$F").toStdString();
    }
    // Runs each step in turn on the one settings file.
    void runSteps(std::span<const Step> inSteps, bool inAsAUser = false) {
        for (const Step& step : inSteps) {
            SCOPED_TRACE(step.arguments.join(' ').toStdString());
            const auto start = std::chrono::steady_clock::now();
            const auto outcome = cli.run(step.arguments, inAsAUser);
            EXPECT_GE(std::chrono::steady_clock::now() - start, step.atLeast);
            EXPECT_EQ(outcome.exitCode, step.exitCode);
            EXPECT_THAT(shown(outcome.out), step.out);
            EXPECT_THAT(shown(outcome.err), step.err);
        }
    }

    MockSysfs sysfs;
    ProgramRun cli{TAVRO_CLI_PROGRAM};
    QString settingsPath = cli.settingsPath();
};

const char* const sMono = "<key>Frequency</key><integer>100300</integer><key>Stereo</key><false/>";
const char* const sOffAtPlug = "<key>Frequency</key><integer>76500</integer><key>Style</key>"
                               "<integer>1</integer><key>ApplyOnPlug</key><false/>";
const char* const sUnreadable = "<integer>5</integer>";
// A missing permission names the node and the udev rule, wherever the rule may be.
const Matcher<std::string> sNoPermission =
    MatchesRegex("usb-tavro: no permission to write to the transmitter at /dev/hidraw0: [^\n]*"
                 "70-usb-tavro\\.rules[^\n]*\n");

// Where the descriptions of the commands and options start in the help: indented entries and
// their continuations, from the list of commands on.
std::set<qsizetype> columns(const std::string& inHelp) {
    const QString text = QString::fromStdString(inHelp);
    const QRegularExpression entry(R"((?m)^(  \S+(?: \S+)*  +| {3,})\S)");
    std::set<qsizetype> found;
    for (const auto& match : entry.globalMatch(text.mid(text.indexOf("Commands:")))) {
        found.insert(match.capturedLength(1));
    }
    return found;
}

// A command line the program refuses, with no settings file: in one line, with exit status 2.
std::pair<const char*, Step> refused(const QStringList& inArguments, const std::string& inProblem) {
    return {nullptr, {inArguments, 2, "", "usb-tavro: " + inProblem + "\n"}};
}

// Each command on the settings file as it finds it, and the bad command lines it refuses. Only tune
// saves, and only what it takes.
TEST_F(Cli, RunsEachCommandOnTheSettingsFileAsItFindsIt) {
    // Numbers written with a decimal comma change nothing the program reads or says.
    cli.env.insert("LC_NUMERIC", "de_DE.UTF-8");
#define SEE " (see usb-tavro --help)"
#define BAND " is outside the band 88.1 to 107.9 MHz (style 0, the default)"
    // The settings dictionary's keys and values (null for no file), and a step on them.
    // clang-format off
#define CONNECTED "Transmitter:     connected, hardware version 0100\n"
#define DEFAULTS "Saved frequency: 88.1 MHz (default)\n" \
                 "Band:            88.1 to 107.9 MHz (style 0, the default)\n" \
                 "Stereo:          stereo (default)\nApply on plug:   yes (default)\n"
    const std::pair<const char*, Step> cases[] = {
        {sOffAtPlug, {{"tune", "107.9"}, 2, "",
         "usb-tavro: 107.9 MHz is outside the band 76.1 to 89.9 MHz (style 1 in $F)\n"}},
        {sMono, {{"--simulate", "tune", " 100.3 "}, 0,
         "report: C0 43 EB 0C 00 00  100.3 MHz mono power 1\nTuned to 100.3 MHz, mono.\n", ""}},
        {nullptr, {{"tune", "90.1", "--mono"}, 1, "",
         "usb-tavro: no transmitter found; saved 90.1 MHz, mono, for the settings panel\n"}},
        {nullptr, {{"status"}, 1, "Transmitter:     none found\n" DEFAULTS "Settings file:   $F\n",
         "usb-tavro: no transmitter found\n"}},
        {sOffAtPlug, {{"--simulate", "status"}, 0,
         CONNECTED "Saved frequency: 76.5 MHz\nBand:            76.1 to 89.9 MHz (style 1)\n"
         "Stereo:          stereo (default)\nApply on plug:   no\nSettings file:   $F\n", ""}},
        {sUnreadable, {{"--simulate", "status"}, 0, CONNECTED DEFAULTS
         "Settings file:   $F (could not be read; the next save keeps it as $F.unreadable)\n", ""}},
        {sUnreadable, {{"--simulate", "tune", "88.1"}, 0,
         "report: C0 4B 71 0C 00 00  88.1 MHz stereo power 1\nTuned to 88.1 MHz, stereo.\n",
         "Settings file $F could not be read; kept as $F.unreadable\n"}},
        {sUnreadable, {{"--simulate", "apply"}, 1, "",
         "usb-tavro: the settings file $F could not be read: nothing sent\n"}},
        {sOffAtPlug, {{"--simulate", "apply", "--on-plug"}, 0,
         "ApplyOnPlug is false in $F: nothing sent.\n", ""}},
        {sOffAtPlug, {{"--simulate", "apply"}, 0, "report: C0 4A FD 0C 00 00  76.5 MHz stereo "
         "power 1\nApplied 76.5 MHz, stereo to the transmitter.\n", ""}},
        {nullptr, {{"apply"}, 1, "", "usb-tavro: no transmitter found\n"}},
        // The help lines up its columns and names the settings file.
        {nullptr, {{"--help"}, 0, AllOf(HasSubstr("\nSettings file: $F\n"),
                                        ResultOf(columns, ElementsAre(18))), ""}},
        // Of the frequencies the program reads and refuses, digits below one hertz are kept: never
        // rounded into the band or onto the grid.
        refused({}, "no command given" SEE),
        refused({"--bogus", "-h"}, "unknown option --bogus" SEE),
        refused({"tune", "88.1", "--on-plug"}, "--on-plug applies to apply only" SEE),
        refused({"tune", "-88.1"}, "-88.1 is not a frequency" SEE),
        refused({"tune", "8\x1b[2J\t8"}, "8\\x1b[2J\\x098 is not a frequency" SEE),
        refused({"tune", "88.1  MHz"}, "88.1  MHz is not a frequency" SEE),
        refused({"tune", "88,1"},
                "88,1 is not a frequency: write decimals with a point, as in 88.1" SEE),
        refused({"tune", QString(5000, '9')},
                "999999999999999999999999\u2026 is not a frequency" SEE),
        refused({"tune", "1000"}, "1000 kHz" BAND),
        refused({"tune", "999999999"}, "999999999 kHz" BAND),
        refused({"tune", "88.15"}, "88.15 MHz is not on the 100 kHz grid: 88.1 or 88.2 MHz"),
        refused({"tune", "107.9000001"}, "107.9000001 MHz" BAND),
        refused({"apply-on-plug", "maybe"}, "apply-on-plug takes on or off, not maybe" SEE),
        refused({"station", "save"}, "station save needs a name for the station" SEE),
        refused({"station", "save", "Lyon\u200b", "99.5"}, "a station's name cannot hold "
                "invisible characters, direction marks or line separators"),
        refused({"station", "save", "--mono", "99.5"}, "a station's name cannot be a frequency "
                "alone, as 99.5 is: give the name first, as in usb-tavro station save NAME 99.5"),
    };
    // clang-format on
    for (const auto& [settings, step] : cases) {
        save(settings);
        const QByteArray before = contents(settingsPath);
        runSteps({&step, 1});
        EXPECT_TRUE((step.arguments.contains("tune") && step.exitCode != 2) ||
                    contents(settingsPath) == before);
    }
}

// Also when standard output is closed (as `>&-` leaves it): then nothing else takes its number.
TEST_F(Cli, OutputThatCannotBeWrittenFailsInOneLineAfterTuneHasSaved) {
    const std::tuple<ProgramRun::Output, std::vector<int>, std::string> targets[] = {
        {ProgramRun::Output::Full, {}, "No space left on device\n"},
        {ProgramRun::Output::Closed, {}, "Broken pipe\n"},
        {ProgramRun::Output::Read, {STDOUT_FILENO}, "Bad file descriptor\n"}};
    for (const auto& [target, closed, reason] : targets) {
        cli.closed = closed;
        for (const QStringList& arguments :
             {QStringList{"--help"}, QStringList{"--version"}, QStringList{"--simulate", "status"},
              QStringList{"--simulate", "tune", "101.5"}}) {
            SCOPED_TRACE(arguments.join(' ').toStdString());
            const auto outcome = cli.run(arguments, false, target);
            EXPECT_EQ(outcome.exitCode, 1);
            EXPECT_EQ(outcome.err, "usb-tavro: could not write to standard output: " + reason);
        }
        EXPECT_EQ(settings::read(settingsPath).stored.frequency, 101500);
        QFile::remove(settingsPath);
    }
}

// Node names and the settings path come from outside, as arguments do: shown with their control
// characters escaped, also in the settings module's log line.
TEST_F(Cli, ShowsNodesAndPathsWithTheirControlCharactersEscaped) {
    // A C1 control (CSI, U+009B): newer libudev refuses names with C0 ones.
    sysfs.add({.index = 0, .name = "hidraw\xc2\x9b\x32J0"}); // \x32 is 2
    const QString folder = cli.config.filePath("\x1b]0;x\a");
    ASSERT_TRUE(QDir().mkpath(folder));
    cli.env.insert("XDG_CONFIG_HOME", folder);
    settingsPath = folder + "/" TAVRO_BUNDLE_IDENTIFIER ".plist";
    const std::string node = "/dev/hidraw\\x9b2J0";
    const std::string file = "/\\x1b]0;x\\x07/" TAVRO_BUNDLE_IDENTIFIER ".plist"; // in its folder
    const std::tuple<const char*, QStringList, std::string> cases[] = {
        {nullptr, {"list"}, node + "  hardware version 0102\n"},
        {nullptr, {"apply"}, "Applied 88.1 MHz, stereo to the transmitter at " + node + ".\n"},
        {sUnreadable, {"tune", "88.1"}, file + " could not be read; kept as "}};
    for (const auto& [settings, arguments, said] : cases) {
        SCOPED_TRACE(arguments.join(' ').toStdString());
        save(settings);
        const auto outcome = cli.run(arguments);
        EXPECT_THAT(outcome.out + outcome.err,
                    AllOf(HasSubstr(said), Not(HasSubstr("\x1b")), Not(HasSubstr("\xc2\x9b"))));
    }
}

// A folder that takes no file, a lock another program holds (flock(1) here), a folder not made
// yet: what each means is said in one line, and nothing is lost.
TEST_F(Cli, SettingsFolderTroublesAreSaidAndNothingIsLost) {
    ASSERT_EQ(::chmod(qPrintable(cli.config.path()), 0555), 0);
    // clang-format off
    const Step denied{{"--simulate", "tune", "88.1"}, 1, _, "usb-tavro: tuned to 88.1 MHz, "
        "stereo, but the settings file $F could not be written: Permission denied\n"};
    // clang-format on
    runSteps({&denied, 1}, true);
    ::chmod(qPrintable(cli.config.path()), 0755);

    QProcess holder;
    holder.start("flock", {"-x", settingsPath + ".lock", "sleep", "30"});
    ASSERT_TRUE(QTest::qWaitFor([&] { return QFile::exists(settingsPath + ".lock"); }));
    QTest::qWait(100);
    // clang-format off
    const Step held{{"tune", "99.5"}, 1, "", "Settings lock $F.lock is held by another program: "
        "saving without it\nusb-tavro: no transmitter found; saved 99.5 MHz, stereo, for the "
        "settings panel\n", std::chrono::milliseconds(500)};
    // clang-format on
    runSteps({&held, 1});
    EXPECT_EQ(settings::read(settingsPath).stored.frequency, 99500);
    holder.kill();
    holder.waitForFinished();

    // A folder made for the settings is the user's alone, as configuration folders are.
    cli.env.insert("XDG_CONFIG_HOME", cli.config.filePath("new/config"));
    EXPECT_EQ(cli.run({"station", "save", "Home", "99.5"}).exitCode, 0);
    for (const char* folder : {"new", "new/config"}) { // rwx for the owner alone
        EXPECT_EQ(QFile::permissions(cli.config.filePath(folder)).toInt(), 0x7700) << folder;
    }
}

// Transmitters the user may not write to yet (hidraw0) and may (hidraw2, hidraw3), and a device
// of another vendor: tune sends to the first writable one, which status names; list shows each;
// apply sends the saved settings to those asked for, waiting up to a second for a node to become
// writable.
TEST_F(Cli, TunesTheFirstWritableTransmitterAppliesToEachAndListsEveryOne) {
    sysfs.add({.index = 0, .bcdDevice = "0210"});
    MockSysfs::setMode(0, 0);
    sysfs.add({.index = 1, .idVendor = "046d"});
    sysfs.add({.index = 2, .bcdDevice = "0304"});
    sysfs.add({.index = 3});
    const QString applied = "Applied 107.9 MHz, mono to the transmitter at /dev/hidraw";
    // clang-format off
    const Step steps[] = {
        {{"tune", "107.9", "--mono"}, 0, "Tuned to 107.9 MHz, mono.\n", ""},
        {{"status"}, 0, StartsWith("Transmitter:     connected at /dev/hidraw2, hardware version "
                                   "0304\nSaved frequency: 107.9 MHz\n"), ""},
        {{"list"}, 0, ResultOf(lines, UnorderedElementsAre(
             "/dev/hidraw0  hardware version 0210  (no permission to write to it)",
             "/dev/hidraw2  hardware version 0304", "/dev/hidraw3  hardware version 0102")),
         sNoPermission},
        {{"apply"}, 1, ResultOf(lines, UnorderedElementsAre(applied + "2.", applied + "3.")),
         sNoPermission, std::chrono::seconds(1)},
        {{"apply", "/dev/hidraw3"}, 0, (applied + "3.\n").toStdString(), ""},
        {{"apply", "/dev/hidraw1"}, 1, "", "usb-tavro: no transmitter at /dev/hidraw1\n"}};
    // clang-format on
    runSteps(steps, true);
    // 107.9 MHz mono, once from each of two commands
    const std::vector<UInt8> twice{0x00, 0xC0, 0x44, 0x37, 0x0C, 0x00, 0x00,
                                   0x00, 0xC0, 0x44, 0x37, 0x0C, 0x00, 0x00};
    EXPECT_EQ(sysfs.written(2), twice);
    EXPECT_EQ(sysfs.written(3), twice);
    EXPECT_THAT(sysfs.written(0), IsEmpty());

    cli.start({"apply", "--on-plug", "/dev/hidraw0"}, true);
    QTest::qWait(300);
    MockSysfs::setMode(0, 0666);
    const auto late = cli.finish();
    EXPECT_EQ(late.exitCode, 0) << late.err;
    EXPECT_THAT(sysfs.written(0), ElementsAre(0x00, 0xC0, 0x44, 0x37, 0x0C, 0x00, 0x00));
    EXPECT_THAT(sysfs.written(1), IsEmpty());
}

QByteArray station(const char* inName, int inFrequency, const char* inStereo = "<true/>") {
    return QByteArray("<dict><key>Name</key><string>") + inName +
           "</string><key>Frequency</key><integer>" + QByteArray::number(inFrequency) +
           "</integer><key>Stereo</key>" + inStereo + "</dict>";
}

// A session on a hand-edited file. band and apply-on-plug show the saved value, or save a new one
// keeping every other key. Malformed stations are passed over and kept where they are. A station
// means one thing everywhere: one name however it is written, all its entries edited together,
// its frequency on the step and in the band that holds it.
TEST_F(Cli, SetsTheBandApplyOnPlugAndStationsKeepingEveryOtherKeyAndMalformedEntries) {
    save(QByteArray(sMono)
             .append("<key>Note</key><string>mine</string><key>Stations</key><array>")
             .append("<string>junk</string>" + station("Far", 120000))
             .append(station("Good", 100100) + station("\u6771\u4eac", 80000))
             .append(station("Good", 101100, "<false/>") + station("Half", 99550))
             .append(station("Cafe\xcc\x81", 95000) + "</array>") // "e" and a combining accent
             .constData());
    // clang-format off
    const Step steps[] = {
        {{"band"}, 0, "Band: 88.1 to 107.9 MHz (style 0, the default)\n", ""},
        // What the band moves, it saves and sends, as the panel does.
        {{"--simulate", "band", "Japan"}, 0, "Band: 76.1 to 89.9 MHz (style 1), saved. The saved "
         "frequency 100.3 MHz was outside it: now 89.9 MHz.\nreport: C0 43 83 0C 00 00  89.9 MHz "
         "mono power 1\nTuned to 89.9 MHz, mono.\n", ""},
        {{"band"}, 0, "Band: 76.1 to 89.9 MHz (style 1)\n", ""},
        {{"band", "2"}, 2, "", "usb-tavro: unknown band 2: give 0 or world (88.1 to 107.9 MHz), 1 "
                               "or japan (76.1 to 89.9 MHz) (see usb-tavro --help)\n"},
        {{"--simulate", "status"}, 0, HasSubstr("\nSaved frequency: 89.9 MHz\n"), ""},
        {{"band", "0"}, 0, "Band: 88.1 to 107.9 MHz (style 0), saved.\n", ""},
        {{"apply-on-plug"}, 0, "Apply on plug: yes (default)\n", ""},
        {{"apply-on-plug", "off"}, 0, "Apply on plug: no, saved: a transmitter plugged in while "
                                      "the panel is closed keeps what it had.\n", ""},
        {{"station"}, 0, "Good  100.1 MHz, stereo\n\u6771\u4eac  80.0 MHz, stereo\n"
                         "Half  99.5 MHz, stereo\nCaf\u00e9  95.0 MHz, stereo\n", ""},
        {{"station", "save", "Caf\u00e9", "102.5"}, 0,
         "Replaced station Caf\u00e9: 102.5 MHz, mono.\n", ""},
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
        {{"station", "list"}, 0, "\u6771\u4eac  80.0 MHz, stereo\nCaf\u00e9  102.5 MHz, mono\n"
                                 "Home  99.7 MHz, mono\nJob   101.1 MHz, stereo\n", ""},
        {{"--simulate", "tune", "--station", "Job", "--mono"}, 0,
         "report: C0 43 F3 0C 00 00  101.1 MHz mono power 1\nTuned to 101.1 MHz, mono.\n", ""},
        {{"tune", "--station=Far"}, 2, "", "usb-tavro: no station named Far\n"},
        {{"station", "remove", "Far"}, 2, "", "usb-tavro: no station named Far\n"},
    };
    // clang-format on
    runSteps(steps);
    const auto dict = host::Dictionary::dictionaryWithContentsOfFile(settingsPath);
    ASSERT_TRUE(dict);
    EXPECT_EQ(dict->boolValue("ApplyOnPlug"), false);
    EXPECT_EQ(dict->stringValue("Note"), QString("mine"));
    EXPECT_EQ(dict->longValue("Frequency"), 101100);
    EXPECT_EQ(dict->arrayCount("Stations"), 6u);
    EXPECT_FALSE(dict->arrayDictionary("Stations", 0)); // the junk, first still
    EXPECT_EQ(dict->arrayDictionary("Stations", 1)->stringValue("Name"), QString("Far"));
    EXPECT_EQ(dict->arrayDictionary("Stations", 5)->stringValue("Name"), QString("Job"));
}

// 32 stations at most, and names of at most 64 characters, however many bytes they take.
TEST_F(Cli, StationsAreBoundedTo32And64Characters) {
    QByteArray entries;
    for (int i = 1; i < 32; ++i) {
        entries += station(("S" + QByteArray::number(i)).constData(), 99500);
    }
    save(QByteArray("<key>Stations</key><array>" + entries + "</array>").constData());
    const QString longest = QString::fromUtf8("\xf0\x9f\x93\xbb").repeated(64);
    // clang-format off
    const Step steps[] = {
        {{"station", "save", "x" + longest, "88.1"}, 2, "",
         "usb-tavro: a station's name has at most 64 characters, not 65\n"},
        {{"station", "save", longest, "88.1"}, 0, _, ""},
        {{"station", "save", "S33", "88.1"}, 2, "",
         "usb-tavro: 32 stations are saved, as many as can be: remove one first\n"},
        {{"station", "save", "S1", "88.1"}, 0, _, ""}};
    // clang-format on
    runSteps(steps);
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
        cli.env.insert("LANG", inLocale);
        cli.env.insert("LANGUAGE", inLanguages);
        return cli.run(inArguments);
    };
    // A command on a settings file, and what it says in every language as in English.
    // clang-format off
    const std::tuple<const char*, QStringList, Matcher<std::string>> commands[] = {
        {nullptr, {"tune", "88.15"}, HasSubstr("88.2 MHz")},
        {nullptr, {"--simulate", "tune", "99.5"}, MatchesRegex("report: C0 4B E3 0C 00 00  99.5 "
         "MHz stereo power 1\n[^\n]*99\\.5 MHz[^\n]*\n")},
        {nullptr, {"--help"}, _},
        {sUnreadable, {"--simulate", "tune", "88.1"},
         EndsWith("\nSettings file $F could not be read; kept as $F.unreadable\n")}};
    // clang-format on
    for (const char* language : {"de_DE.UTF-8", "fr_FR.UTF-8", "es_ES.UTF-8", "ja_JP.UTF-8"}) {
        for (const auto& [settings, command, kept] : commands) {
            SCOPED_TRACE(language + (" " + command.join(' ').toStdString()));
            const auto english = said("C.UTF-8", command, settings);
            const auto spoken = said(language, command, settings);
            EXPECT_EQ(spoken.exitCode, english.exitCode);
            EXPECT_NE(spoken.out + spoken.err, english.out + english.err);
            EXPECT_THAT(shown(spoken.out + spoken.err), kept);
        }
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
        // clang-format off
        const Step steps[] = {
            {{"apply", QString::fromStdString(MockSysfs::node(failure.index))}, 1, "",
             "usb-tavro: " + failure.words + "\n"},
            {{"tune", "90.1"}, 1, "",
             "usb-tavro: " + failure.words + "; saved 90.1 MHz, stereo, for the settings panel\n"}};
        // clang-format on
        runSteps(steps);
        sysfs.remove(failure.index);
    }
}

} // namespace
