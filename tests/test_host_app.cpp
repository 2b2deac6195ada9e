// The host program: in this process for what the user does in its window, as a child process
// for its command line, its exit codes and its ways of leaving.
#include "app/HostWindow.h"
#include "app/PaneLoader.h"
#include "device/sim/SimulatedTransmitter.h"
#include "dial/xr_tunerLayout.h"
#include "host/PreferencePane.h"
#include "host/View.h"
#include "settings/Settings.h"
#include "support/ScopedEnv.h"

#include <QAction>
#include <QImage>
#include <QLabel>
#include <QProcess>
#include <QRadioButton>
#include <QTemporaryDir>
#include <QTest>
#include <QWindow>

#include <gtest/gtest.h>

#include <csignal>

namespace {

using Report = std::vector<UInt8>;

const Report sStereo881{0xC0, 0x4B, 0x71, 0x0C, 0x00, 0x00};
const Report sStereo940{0xC0, 0x4B, 0xAC, 0x0C, 0x00, 0x00};
const Report sMono940{0xC0, 0x43, 0xAC, 0x0C, 0x00, 0x00};

// The user's session with the window, through Qt's own event delivery.
TEST(HostWindow, DragAndMonoReachTheTransmitterAndClosingSavesThem) {
    QTemporaryDir config;
    ScopedEnv xdg("XDG_CONFIG_HOME", config.path().toLocal8Bit());
    device::SimulatedTransmitter simulator;
    simulator.plug();
    PaneLoader loader;
    std::unique_ptr<host::PreferencePane> pane = loader.load(TAVRO_BUNDLE_PATH, simulator);
    ASSERT_NE(pane, nullptr) << loader.errorString().toStdString();
    pane->mainViewDidLoad();
    HostWindow window(*pane, &simulator);
    window.present();
    ASSERT_TRUE(QTest::qWaitForWindowExposed(&window));

    auto* dial = window.findChild<host::View*>("mTunerCtl");
    const auto at = [&](host::Point inDialPoint) {
        return dial->mapTo(&window, host::View::toQtPoint(dial, inDialPoint)).toPoint();
    };
    QWindow* handle = window.windowHandle();
    QTest::mousePress(handle, Qt::LeftButton, {}, at({sCenterPt.x, sCenterPt.y + 40}));
    QTest::mouseMove(handle, at({sCenterPt.x + 40, sCenterPt.y}));
    QTest::mouseRelease(handle, Qt::LeftButton, {}, at({sCenterPt.x + 40, sCenterPt.y}));
    auto* mono = window.findChild<QRadioButton*>("monoCell");
    QTest::mouseClick(handle, Qt::LeftButton, {},
                      mono->mapTo(&window, mono->rect().center() - QPoint(mono->width() / 3, 0)));

    EXPECT_EQ(simulator.reports(), (std::vector<Report>{sStereo881, sStereo940, sMono940}));
    window.close();
    const settings::Stored saved = settings::read(settings::prefPath()).stored;
    EXPECT_EQ(saved.frequency, 94000);
    EXPECT_EQ(saved.stereo, false);
}

TEST(HostWindow, DeviceMenuPullsTheSimulatorOutAndPlugsItIn) {
    QTemporaryDir config;
    ScopedEnv xdg("XDG_CONFIG_HOME", config.path().toLocal8Bit());
    device::SimulatedTransmitter simulator(0x0207);
    simulator.plug();
    PaneLoader loader;
    auto pane = loader.load(TAVRO_BUNDLE_PATH, simulator);
    ASSERT_NE(pane, nullptr);
    pane->mainViewDidLoad();
    HostWindow window(*pane, &simulator);
    auto* hardware = window.findChild<QLabel*>("mHWVersField");
    EXPECT_EQ(hardware->text(), "Hardware version: 0207");

    window.plugAction()->trigger();
    EXPECT_FALSE(simulator.isPlugged());
    EXPECT_EQ(hardware->text(), "Hardware version: unknown");
    window.plugAction()->trigger();
    EXPECT_EQ(hardware->text(), "Hardware version: 0207");
    EXPECT_EQ(simulator.reports(), (std::vector<Report>{sStereo881, sStereo881}));
}

struct Outcome {
    int exitCode;
    QString out;
    QString err;
};

class HostProgram : public ::testing::Test {
protected:
    Outcome run(const QStringList& inArguments, bool inDisplay = true) {
        QProcess process;
        process.setProcessEnvironment(environment(inDisplay));
        process.start(TAVRO_HOST_PROGRAM, inArguments);
        EXPECT_TRUE(process.waitForFinished(30000));
        return {process.exitCode(), QString::fromUtf8(process.readAllStandardOutput()),
                QString::fromUtf8(process.readAllStandardError())};
    }
    QProcessEnvironment environment(bool inDisplay) const {
        QProcessEnvironment env = QProcessEnvironment::systemEnvironment();
        env.insert("XDG_CONFIG_HOME", config.path());
        env.remove("DISPLAY");
        env.remove("WAYLAND_DISPLAY");
        if (inDisplay) {
            env.insert("QT_QPA_PLATFORM", "offscreen");
        } else {
            env.remove("QT_QPA_PLATFORM");
        }
        return env;
    }

    QTemporaryDir config;
};

TEST_F(HostProgram, UsageErrorsAndHelpAreAnsweredWithoutAWindow) {
    const Outcome help = run({"--help"}, false);
    EXPECT_EQ(help.exitCode, 0);
    EXPECT_TRUE(help.out.contains("--simulate"));
    EXPECT_TRUE(help.out.contains(config.path()));

    const Outcome bogus = run({"--bogus"}, false);
    EXPECT_EQ(bogus.exitCode, 2);
    EXPECT_TRUE(bogus.err.startsWith("usb-tavro-prefs: Unknown option 'bogus'."));

    const Outcome extra = run({"extra"}, false);
    EXPECT_EQ(extra.exitCode, 2);
}

TEST_F(HostProgram, WithoutADisplayItSaysSoAndExitsTwo) {
    const Outcome noDisplay = run({"--simulate"}, false);
    EXPECT_EQ(noDisplay.exitCode, 2);
    EXPECT_EQ(noDisplay.err.count('\n'), 1);
    EXPECT_TRUE(noDisplay.err.contains("cannot open a window"));
}

TEST_F(HostProgram, ScreenshotRendersThePaneWithoutADisplay) {
    const QString file = config.filePath("pane.png");
    const Outcome shot = run({"--simulate", "--screenshot", file}, false);
    EXPECT_EQ(shot.exitCode, 0) << shot.err.toStdString();
    EXPECT_TRUE(shot.out.contains("report: C0 4B 71 0C 00 00"));
    const QImage image(file);
    EXPECT_GE(image.width(), 250);
    EXPECT_GE(image.height(), 150);
    // Nothing was changed, so nothing is written.
    EXPECT_FALSE(QFile::exists(settings::prefPath()));
}

TEST_F(HostProgram, MissingBundleIsReportedWithExitOne) {
    const Outcome missing = run({"--bundle", config.filePath("nowhere.prefPane")});
    EXPECT_EQ(missing.exitCode, 1);
    EXPECT_TRUE(missing.err.contains("nowhere.prefPane"));
}

// Terminating signals leave the normal way, saving the settings.
TEST_F(HostProgram, TerminatingSignalSavesTheSettings) {
    for (int signal : {SIGTERM, SIGINT, SIGHUP}) {
        QFile::remove(config.filePath(QString(settings::sBundleIdentifier) + ".plist"));
        QProcess process;
        process.setProcessEnvironment(environment(true));
        process.setReadChannel(QProcess::StandardError);
        process.start(TAVRO_HOST_PROGRAM, {"--simulate"});
        ASSERT_TRUE(process.waitForStarted());
        QByteArray err;
        while (!err.contains("mainViewDidLoad")) {
            ASSERT_TRUE(process.waitForReadyRead(20000));
            err += process.readAllStandardError();
        }
        QTest::qWait(100); // into the event loop
        ::kill(static_cast<pid_t>(process.processId()), signal);
        ASSERT_TRUE(process.waitForFinished(20000));
        EXPECT_EQ(process.exitStatus(), QProcess::NormalExit) << signal;
        EXPECT_EQ(process.exitCode(), 0) << signal;
        ScopedEnv xdg("XDG_CONFIG_HOME", config.path().toLocal8Bit());
        EXPECT_EQ(settings::read(settings::prefPath()).stored.frequency, 88100) << signal;
    }
}

} // namespace
