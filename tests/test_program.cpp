// usb-tavro-prefs run as a person runs it: its command line, its pictures, and its ways out —
// signals before and after it is up, a closed output, a disk that takes no settings.
#include "host/PropertyList.h"
#include "settings/Settings.h"
#include "support/Files.h"
#include "support/ProgramRun.h"
#include "support/QtPrinters.h"
#include "support/TroubledFolder.h"

#include <QElapsedTimer>
#include <QImage>
#include <QTest>

#include <gmock/gmock.h>
#include <gtest/gtest.h>

#include <csignal>

#include <netinet/in.h>
#include <poll.h>
#include <sys/inotify.h>
#include <sys/socket.h>
#include <sys/stat.h>

namespace {

using ::testing::HasSubstr;
using Output = ProgramRun::Output;

class Program : public ::testing::Test {
protected:
    Program() {
        panel.env.insert("QT_QPA_PLATFORM", "offscreen");
        panel.env.remove("WAYLAND_DISPLAY");
    }
    // Started, up, and ended by inSignal.
    ProgramRun::Outcome signalled(int inSignal, Output inOutput = Output::Read) {
        panel.start({"--simulate"}, false, inOutput);
        EXPECT_TRUE(panel.says("mainViewDidLoad"));
        QTest::qWait(200); // into the event loop
        panel.signal(inSignal);
        return panel.finish();
    }
    std::optional<SInt32> saved() const {
        return settings::read(panel.settingsPath()).stored.frequency;
    }

    ProgramRun panel{TAVRO_HOST_PROGRAM};
};

// What comes from outside (the settings path, an argument) is shown with its control characters
// escaped.
TEST_F(Program, CommandLineMistakesAndAMissingDisplayAreOneLineAndExitTwo) {
    panel.env.insert("XDG_CONFIG_HOME", panel.config.filePath("\x1b[2J"));
    const ProgramRun::Outcome help = panel.run({"--help"});
    EXPECT_EQ(help.exitCode, 0);
    EXPECT_THAT(help.out, HasSubstr("--scale <factor>"));
    EXPECT_THAT(help.out, HasSubstr("/\\x1b[2J/"));
    // In the command-line tool's words: lower case, the option as typed.
    const std::pair<QStringList, const char*> wrongs[] = {
        {{"--bogus"}, "unknown option --bogus (see usb-tavro-prefs --help)"},
        {{"--simulate", "-x\x1b"}, "unknown option -x\\x1b (see usb-tavro-prefs --help)"},
        {{"extra\x1b[2J"}, "unexpected argument extra\\x1b[2J (see usb-tavro-prefs --help)"},
        {{"--scale", "2"}, "--scale applies to --screenshot only"},
        {{"--screenshot", "x.png", "--scale", "0"}, "--scale takes a number from 1 to 8, not 0"}};
    for (const auto& [arguments, line] : wrongs) {
        const ProgramRun::Outcome outcome = panel.run(arguments);
        EXPECT_EQ(outcome.exitCode, 2) << arguments.join(' ').toStdString();
        EXPECT_EQ(outcome.err, std::string("usb-tavro-prefs: ") + line + "\n");
    }
    panel.env.remove("QT_QPA_PLATFORM");
    panel.env.remove("DISPLAY");
    const ProgramRun::Outcome noDisplay = panel.run({"--simulate"});
    EXPECT_EQ(noDisplay.exitCode, 2);
    EXPECT_THAT(noDisplay.err, HasSubstr("cannot open a window"));
}

// The picture at the screen's scale or the one asked for; never waiting for a reader.
TEST_F(Program, ScreenshotHonoursTheScaleAndNeverBlocks) {
    const QString file = panel.config.filePath("pane.png");
    ASSERT_EQ(panel.run({"--simulate", "--screenshot", file}).exitCode, 0);
    const QSize points = QImage(file).size();
    panel.env.insert("QT_SCALE_FACTOR", "2");
    ASSERT_EQ(panel.run({"--simulate", "--screenshot", file}).exitCode, 0);
    EXPECT_EQ(QImage(file).size(), points * 2);
    ASSERT_EQ(panel.run({"--simulate", "--screenshot", file, "--scale", "3"}).exitCode, 0);
    EXPECT_EQ(QImage(file).size(), points * 3);
    EXPECT_FALSE(saved()); // nothing changed, nothing written

    ASSERT_EQ(::mkfifo(qPrintable(panel.config.filePath("pipe")), 0600), 0);
    QElapsedTimer clock;
    clock.start();
    const ProgramRun::Outcome pipe = panel.run({"--screenshot", panel.config.filePath("pipe")});
    EXPECT_EQ(pipe.exitCode, 1);
    EXPECT_THAT(pipe.err, HasSubstr("nothing reads from it"));
    EXPECT_LT(clock.elapsed(), 5000);
}

// Up, a terminating signal leaves the normal way, saving, also with its output closed (the
// simulator prints each report); on a disk that takes no settings, with exit status 1. Before it
// is up (here: an X server that never answers) a signal ends it at once.
TEST_F(Program, SignalsEndItPromptlyAndSaveWhatThereIs) {
    for (const int each : {SIGTERM, SIGINT, SIGHUP}) {
        EXPECT_EQ(signalled(each, Output::Closed).exitCode, 0) << each;
        EXPECT_EQ(saved(), 88100);
        QFile::remove(panel.settingsPath());
    }
    if (const TroubledFolder disk(TroubledFolder::ReadOnly); disk.problem().empty()) {
        panel.env.insert("XDG_CONFIG_HOME", disk.path());
        const ProgramRun::Outcome outcome = signalled(SIGTERM);
        EXPECT_EQ(outcome.exitCode, 1);
        EXPECT_THAT(outcome.err, HasSubstr("Settings not saved to " + disk.path().toStdString()));
    }
    // An X server on a TCP port of loopback that takes the connection and never answers: the
    // port the system picks, less X's 6000, is its display number.
    const int listener = ::socket(AF_INET, SOCK_STREAM | SOCK_CLOEXEC, 0);
    sockaddr_in address{};
    address.sin_family = AF_INET;
    address.sin_addr.s_addr = htonl(INADDR_LOOPBACK);
    socklen_t size = sizeof address;
    ASSERT_EQ(::bind(listener, reinterpret_cast<sockaddr*>(&address), size), 0);
    ASSERT_EQ(::getsockname(listener, reinterpret_cast<sockaddr*>(&address), &size), 0);
    ::listen(listener, 1);
    panel.env.remove("QT_QPA_PLATFORM");
    panel.env.insert("DISPLAY", QString("127.0.0.1:%1").arg(ntohs(address.sin_port) - 6000));
    panel.start({"--simulate"});
    QTest::qWait(500);
    panel.signal(SIGTERM);
    EXPECT_TRUE(panel.process.waitForFinished(2000));
    EXPECT_EQ(panel.process.exitStatus(), QProcess::CrashExit); // as killed by it
    ::close(listener);
}

// A file the panel cannot read as it saves is read again once an editor would have finished it;
// one that still cannot be read is kept aside, and every setting last read is saved.
TEST_F(Program, SaveKeepsTheSettingsOfAFileItCannotRead) {
    const QByteArray edited =
        plistXml("<key>Frequency</key><integer>90000</integer><key>Style</key>"
                 "<integer>1</integer><key>ApplyOnPlug</key><false/><key>"
                 "Note</key><string>edited</string>");
    const auto half = [&](const QString& inPath) {
        put(inPath, edited.first(edited.size() / 2));
    };
    // How it is spoiled, whether an editor finishes it once the save has read it, the note kept.
    const std::tuple<const char*, std::function<void(const QString&)>, bool, const char*> cases[] =
        {{"half-written, finished as the panel waits", half, true, "edited"},
         {"half-written", half, false, "mine"},
         {"mode 000", [](auto& inPath) { ::chmod(qPrintable(inPath), 0); }, false, "mine"}};
    for (const auto& [name, spoil, finished, note] : cases) {
        SCOPED_TRACE(name);
        const QTemporaryDir config;
        panel.env.insert("XDG_CONFIG_HOME", config.path());
        const QString path = config.filePath(TAVRO_BUNDLE_IDENTIFIER ".plist");
        ASSERT_TRUE(put(path, QByteArray(edited).replace("edited", "mine")));
        panel.start({"--simulate"}, true);
        ASSERT_TRUE(panel.says("mainViewDidLoad"));
        spoil(path);
        QTest::qWait(300); // the panel has looked at it
        const int inotify = ::inotify_init1(IN_CLOEXEC);
        ::inotify_add_watch(inotify, qPrintable(path), IN_CLOSE_NOWRITE);
        panel.signal(SIGTERM);
        if (finished) {
            pollfd read{inotify, POLLIN, 0};
            ASSERT_EQ(::poll(&read, 1, 5000), 1); // the save has read it once
            QFile rest(path);
            ASSERT_TRUE(rest.open(QIODevice::Append));
            rest.write(edited.sliced(edited.size() / 2));
        }
        ::close(inotify);
        EXPECT_EQ(panel.finish().exitCode, 0);
        const auto saved = host::Dictionary::dictionaryWithContentsOfFile(path);
        ASSERT_TRUE(saved);
        EXPECT_EQ(saved->longValue("Style"), 1);
        EXPECT_EQ(saved->boolValue("ApplyOnPlug"), false);
        EXPECT_EQ(saved->stringValue("Note"), QString(note));
        EXPECT_EQ(QFileInfo::exists(path + ".unreadable"), !finished);
    }
}

// Without a session bus, a lock in the user's runtime folder (without one, the toolkit's folder of
// the user's own in the temporary folder) keeps a second panel out, saying so in one line; a
// picture may still be taken.
TEST_F(Program, WithoutASessionBusASecondPanelIsKeptOutInOneLine) {
    panel.env.insert("DBUS_SESSION_BUS_ADDRESS", "unix:path=/nonexistent");
    for (const bool runtimeFolder : {true, false}) {
        if (!runtimeFolder) {
            panel.env.remove("XDG_RUNTIME_DIR");
            panel.env.insert("TMPDIR", panel.runtime.path());
        }
        ProgramRun first(TAVRO_HOST_PROGRAM);
        first.env = panel.env;
        first.start({"--simulate"});
        ASSERT_TRUE(first.says("mainViewDidLoad"));
        const ProgramRun::Outcome second = panel.run({"--simulate"});
        EXPECT_EQ(second.exitCode, 1) << runtimeFolder;
        EXPECT_THAT(
            second.err,
            ::testing::MatchesRegex(
                QString("(QStandardPaths: [^\n]*\n)*Another panel is open \\(process %1 holds "
                        "%2/[^ ]+\\.lock\\): not starting a second\n")
                    .arg(first.process.processId())
                    .arg(runtimeFolder ? panel.runtime.path()
                                       : panel.runtime.path() + "/runtime-[^/]+")
                    .toStdString()));
        EXPECT_EQ(panel.run({"--screenshot", panel.config.filePath("pane.png")}).exitCode, 0);
        first.signal(SIGTERM);
        EXPECT_EQ(first.finish().exitCode, 0);
    }
}

} // namespace
