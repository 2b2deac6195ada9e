// The pane's controller on its real interface file and bundle, with a scripted transmitter (or the
// Linux one on umockdev's mock sysfs) and a settings folder of its own: what reaches the
// transmitter and the file, what the window shows.
#include "device/fake/FakeDeviceServices.h"
#include "device/linux/LinuxBackend.h"
#include "device/sim/ReportDescription.h"
#include "device/xr_device.h"
#include "dial/xr_tunerCtl.h"
#include "host/PropertyList.h"
#include "host/RadioMatrix.h"
#include "host/Snapshot.h"
#include "pane/USB_TavroPref.h"
#include "settings/Settings.h"
#include "support/BinaryPlist.h"
#include "support/Files.h"
#include "support/MockSysfs.h"
#include "support/ProgramRun.h"
#include "support/QtPrinters.h"
#include "support/ScopedEnv.h"
#include "support/StreamCapture.h"
#include "support/TroubledFolder.h"
#include "support/WriteFailures.h"

#include <QElapsedTimer>
#include <QLabel>
#include <QProcess>
#include <QRadioButton>
#include <QTest>

#include <gtest/gtest.h>

#include <optional>

#include <unistd.h>

// umockdev's preload library comes before the sanitizer runtime; that order is intended here.
extern "C" __attribute__((used)) const char* __asan_default_options() {
    return "verify_asan_link_order=0";
}

namespace {

using Fake = device::FakeDeviceServices;

class Pane : public ::testing::Test {
protected:
    void write(const QByteArray& inBody) {
        ASSERT_TRUE(put(settings::prefPath(), plistXml(inBody)));
    }
    void start() { start(fake); }
    void start(device::DeviceServices& inServices) {
        pane = std::make_unique<USB_TavroPref>(host::Bundle(TAVRO_BUNDLE_PATH), inServices);
        ASSERT_NE(pane->loadMainView(), nullptr);
        pane->mainViewDidLoad();
        dial = pane->mainView()->findChild<xr_tunerCtl*>("mTunerCtl");
    }
    QString text(const char* inField) const {
        return pane->mainView()->findChild<QLabel*>(inField)->text();
    }
    host::RadioMatrix* stereoCtl() const {
        return pane->mainView()->findChild<host::RadioMatrix*>("mStereoCtl");
    }
    // "88.1 MHz stereo", for each report the transmitter received since the last call.
    QStringList reports() {
        QStringList described;
        for (const auto& report : fake.reports()) {
            described << QString::fromStdString(device::describeTuningReport(report.data(), 6))
                             .section("  ", 1)
                             .section(" power", 0, 0);
        }
        fake.clearSent();
        return described;
    }
    std::optional<SInt32> savedFrequency() const {
        return settings::read(settings::prefPath()).stored.frequency;
    }

    QTemporaryDir config;
    ScopedEnv xdg{"XDG_CONFIG_HOME", config.path().toLocal8Bit()};
    Fake fake;
    std::unique_ptr<device::LinuxBackend> linuxBackend; // they outlive the pane, as fake does
    std::unique_ptr<device::DeviceServices> linuxServices;
    std::unique_ptr<USB_TavroPref> pane;
    xr_tunerCtl* dial = nullptr;
};

// Settings from the file (the band first, a frequency outside it as the dial corrects it), sent
// to a transmitter plugged in all along; its version and the bundle's shown.
TEST_F(Pane, StartsFromTheFileAndSetsUpTheTransmitterPresent) {
    write("<key>Style</key><integer>1</integer><key>Frequency</key><integer>200000</integer>"
          "<key>Stereo</key><string>NO</string><key>Note</key><string>mine</string>");
    fake.plug({"tx", 0x0102});
    start();
    EXPECT_EQ(reports(), QStringList{"89.9 MHz mono"});
    EXPECT_EQ(dial->frequency(), 89900);
    EXPECT_EQ(host::RadioMatrix::tag(stereoCtl()->selectedCell()), 1);
    EXPECT_EQ(text("mHWVersField"), "Hardware version: 0102");
    EXPECT_TRUE(text("mVersionField").startsWith("version " TAVRO_VERSION " ("));
    EXPECT_EQ(text("mStatusField"), "");
    EXPECT_EQ(pane->initialKeyView(), dial);

    pane->didUnselect();
    const auto saved = host::Dictionary::dictionaryWithContentsOfFile(settings::prefPath());
    EXPECT_EQ(saved->longValue("Style"), 1);
    EXPECT_EQ(saved->stringValue("Note"), QString("mine"));
}

// usb-tavro apply, which the user unit runs at each plug-in, sends what the panel sends a
// transmitter it connects, for every file: the same bytes.
TEST_F(Pane, SendsAtAConnectionWhatUsbTavroApplySends) {
    const std::pair<QByteArray, const char*> cases[] = {
        {"<key>Frequency</key><integer>200000</integer>", "107.9 MHz stereo"},
        {"<key>Frequency</key><integer>88150</integer>", "88.1 MHz stereo"},
        {"<key>Frequency</key><integer>88050</integer>", "88.1 MHz stereo"},
        {"<key>Style</key><integer>1</integer><key>Frequency</key><integer>95000</integer>",
         "89.9 MHz stereo"},
        {"<key>Style</key><integer>1</integer>", "88.1 MHz stereo"},
        {"<key>Style</key><integer>1</integer><key>Frequency</key><integer>76500</integer>"
         "<key>Stereo</key><false/>",
         "76.5 MHz mono"},
        {"<key>Style</key><integer>7</integer><key>Frequency</key><integer>76500</integer>",
         "88.1 MHz stereo"},
        {"<key>Frequency</key><string>abc</string>", "88.1 MHz stereo"},
        {"<key>Frequency</key><integer>0</integer>", "88.1 MHz stereo"},
        {"<key>Frequency</key><real>nan</real>", "88.1 MHz stereo"},
        {"<key>Frequency</key><true/>", "88.1 MHz stereo"},
        {"<key>Frequency</key><integer>100300</integer><key>Stereo</key><string>NO</string>",
         "100.3 MHz mono"},
        {"", "88.1 MHz stereo"},
    };
    ProgramRun cli(TAVRO_CLI_PROGRAM);
    cli.env.insert("XDG_CONFIG_HOME", config.path());
    // The tool inherits umockdev's preload library, before a sanitizer build's runtime.
    cli.env.insert("ASAN_OPTIONS", "verify_asan_link_order=0");
    for (const auto& [body, sent] : cases) {
        SCOPED_TRACE(body.toStdString());
        write(body);
        const ProgramRun::Outcome applied = cli.run({"--simulate", "apply"});
        ASSERT_EQ(applied.exitCode, 0) << applied.err;

        Fake services;
        services.plug({"tx", 0x0102});
        USB_TavroPref panel(host::Bundle(TAVRO_BUNDLE_PATH), services);
        ASSERT_NE(panel.loadMainView(), nullptr);
        panel.mainViewDidLoad();
        const auto reports = services.reports();
        ASSERT_EQ(reports.size(), 1u);
        // The report's bytes, then what they say.
        const std::string described =
            device::describeTuningReport(reports.front().data(), reports.front().size());
        EXPECT_EQ(applied.out, "report: " + described + "\nApplied " +
                                   QString(sent).replace(" MHz ", " MHz, ").toStdString() +
                                   " to the transmitter.\n");
        EXPECT_NE(described.find(std::string("  ") + sent + " power 1"), std::string::npos);
    }
}

// Each turn of the dial and stereo change reaches the transmitter at once, and the file once the
// dial rests, not a write a step; a cell of another tag is mono.
TEST_F(Pane, ChangesReachTheTransmitterAtOnceAndTheFileSoon) {
    fake.plug({"tx", 0x0102});
    start();
    reports();
    dial->scrollWheel(host::Event::scrollWheel({}, 59.0f));
    stereoCtl()->findChild<QRadioButton*>("monoCell")->click();
    EXPECT_EQ(reports(), (QStringList{"94.0 MHz stereo", "94.0 MHz mono"}));
    EXPECT_FALSE(savedFrequency());
    EXPECT_TRUE(QTest::qWaitFor([this] { return savedFrequency() == 94000; }, 1000));

    auto* odd = new QRadioButton("odd", stereoCtl());
    odd->setProperty("tag", 3);
    stereoCtl()->findChild<QRadioButton*>("stereoCell")->click();
    odd->click();
    EXPECT_EQ(reports(), (QStringList{"94.0 MHz stereo", "94.0 MHz mono"}));
}

// One way the pane comes to play something, from the file it starts on.
struct Door {
    const char* name;
    QByteArray file;
    std::function<void(USB_TavroPref&)> through; // after the start
    const char* plays;
    SInt32 saved;
    std::optional<SInt32> style;
};

settings::WriteResult saveStyle(SInt32 inStyle) {
    return settings::change(settings::prefPath(), [inStyle](host::Dictionary& ioDict) {
        ioDict.setLong(settings::sStyleKey, inStyle);
        return true;
    });
}

// Whichever way the pane comes to tune, the file holds what it plays within a second, as
// usb-tavro apply and status read it; a file with a value that cannot be written back is read
// all the same, and kept aside whole, once, as the status line says.
TEST(PaneDoors, WhatPlaysIsWhatTheFileHoldsWithinASecond) {
    using namespace bplist;
    const QByteArray unkeepable = list( // {Frequency 90000, Style 1, Stereo false, Note "a\0b"}
        {Bytes{0xD4, 1, 2, 3, 4, 5, 6, 7, 8}, ascii("Frequency"), ascii("Style"), ascii("Stereo"),
         ascii("Note"), Bytes{0x12} + big(90000, 4), Bytes{0x10, 1}, Bytes{0x08},
         ascii(std::string("a\0b", 3))},
        1);
    const auto f995 = plistXml("<key>Frequency</key><integer>99500</integer>");
    const Door doors[] = {
        {"a frequency outside the band",
         plistXml("<key>Frequency</key><integer>200000</integer>"),
         {},
         "107.9 MHz stereo",
         107900,
         std::nullopt},
        {"a band another program chose", f995, [](auto&) { ASSERT_TRUE(saveStyle(1).saved()); },
         "89.9 MHz stereo", 89900, 1},
        {"a style without a band, while the dial is in band 1",
         plistXml(
             "<key>Style</key><integer>1</integer><key>Frequency</key><integer>80000</integer>"),
         [](auto&) { ASSERT_TRUE(saveStyle(7).saved()); }, "80.0 MHz stereo", 80000, 1},
        {"the band menu", f995, [](USB_TavroPref& p) { p.tuneTo(p.frequency(), p.stereo(), 1); },
         "89.9 MHz stereo", 89900, 1},
        {"a station of the other band", f995,
         [](USB_TavroPref& p) { p.tuneTo(80000, false, settings::styleForFrequency(0, 80000)); },
         "80.0 MHz mono", 80000, 1},
        {"a value that cannot be written back", unkeepable, {}, "89.9 MHz mono", 89900, 1},
    };
    for (const Door& door : doors) {
        SCOPED_TRACE(door.name);
        const QTemporaryDir config;
        const ScopedEnv xdg("XDG_CONFIG_HOME", config.path().toLocal8Bit());
        ASSERT_TRUE(put(settings::prefPath(), door.file));
        Fake fake;
        fake.plug({"tx", 0x0102});
        USB_TavroPref pane(host::Bundle(TAVRO_BUNDLE_PATH), fake);
        ASSERT_NE(pane.loadMainView(), nullptr);
        pane.mainViewDidLoad();
        if (door.through) {
            door.through(pane);
        }
        const auto plays = [&] {
            const auto sent = fake.reports();
            return sent.empty() ? std::string()
                                : device::describeTuningReport(sent.back().data(), 6);
        };
        EXPECT_TRUE(QTest::qWaitFor(
            [&] { return plays().find(std::string("  ") + door.plays) != std::string::npos; },
            1000))
            << plays();
        EXPECT_TRUE(QTest::qWaitFor(
            [&] {
                const settings::Stored now = settings::read(settings::prefPath()).stored;
                return now.frequency == door.saved && now.style == door.style;
            },
            1000));
        const settings::Stored saved = settings::read(settings::prefPath()).stored;
        const settings::Tuning applied = settings::tuningFor(saved);
        EXPECT_EQ(settings::settingText(applied.frequency, applied.stereo),
                  QString(door.plays).replace(" MHz ", " MHz, "));
        const QString original = settings::prefPath() + ".original";
        EXPECT_EQ(contents(original), door.file == unkeepable ? door.file : QByteArray());
        EXPECT_EQ(pane.mainView()->findChild<QLabel*>("mStatusField")->text().contains(original),
                  door.file == unkeepable);
    }
}

// Another program holding the settings lock (here flock(1)) holds up no save for long and never
// the window: the save waits its turn on the event loop, goes on without the lock after its
// bound, and says so once.
TEST_F(Pane, ASaveNeverStopsTheWindowForTheLock) {
    fake.plug({"tx", 0x0102});
    start();
    const QString lock = settings::SettingsLock::lockPath(settings::prefPath());
    QProcess holder;
    holder.start("flock", {"-x", lock, "sleep", "30"});
    ASSERT_TRUE(QTest::qWaitFor([&] {
        return settings::SettingsLock(settings::prefPath(), settings::SettingsLock::Wait::Once)
            .taken();
    }));
    const StreamCapture log(2);
    QElapsedTimer clock;
    clock.start();
    qint64 longest = 0; // between two turns of the event loop
    QTimer beat;
    QObject::connect(&beat, &QTimer::timeout,
                     [&] { longest = std::max(longest, clock.restart()); });
    beat.start(5);
    for (const float notches : {20.0f, 10.0f}) {
        dial->scrollWheel(host::Event::scrollWheel({}, notches));
        const SInt32 tuned = dial->frequency();
        // Due after 0.3 s, then waiting 0.5 s for the lock.
        EXPECT_FALSE(QTest::qWaitFor([&] { return savedFrequency() == tuned; }, 600));
        EXPECT_TRUE(QTest::qWaitFor([&] { return savedFrequency() == tuned; }, 1000));
    }
    EXPECT_LT(longest, 200);
    const std::string said =
        "Settings lock " + lock.toStdString() + " is held by another program: saving without it\n";
    EXPECT_EQ(log.text(), said);
    holder.kill();
    holder.waitForFinished();
}

// A transmitter that may not be opened, or that does not take a report, is told of in the status
// line until it is mended; one that could not take the report for an earlier one held, gets the
// settings once it can.
TEST_F(Pane, StatusLineSaysWhatKeepsTheTransmitterFromItsSettings) {
    start();
    fake.failCall(Fake::Call::IOCreatePlugInInterfaceForService, kIOReturnNotPrivileged);
    fake.plug({"tx", 0x0102});
    fake.clearFailure();
    EXPECT_TRUE(text("mStatusField").startsWith("No permission to write to the transmitter: "))
        << text("mStatusField");
    EXPECT_TRUE(text("mStatusField").contains("udev rule"));
    fake.unplug("tx");
    EXPECT_EQ(text("mStatusField"), "Plug in the transmitter.");
    EXPECT_EQ(text("mHWVersField"), "Hardware version: unknown");

    fake.failReports({.status = kIOReturnBusy, .cause = device::Failure::Cause::HeldEarlier});
    fake.plug({"tx", 0x0102});
    EXPECT_EQ(text("mStatusField"),
              "The transmitter is still busy with an earlier setting that the kernel holds.");
    fake.failReports({});
    reports();
    fake.sendMessage("tx", kIOMessageServiceIsResumed);
    EXPECT_EQ(reports(), QStringList{"88.1 MHz stereo"});
    EXPECT_EQ(text("mStatusField"), "");
}

// On the Linux transmitter, a write the kernel refuses is told in the words usb-tavro uses, with
// the node and the system's message, until the transmitter goes.
TEST_F(Pane, StatusLineTellsAWriteTheKernelRefusedInWords) {
    MockSysfs sysfs;
    ASSERT_TRUE(MockSysfs::isActive()) << "run under umockdev-wrapper";
    linuxBackend = std::make_unique<device::LinuxBackend>();
    linuxServices = std::make_unique<device::DeviceServices>(*linuxBackend);
    start(*linuxServices);
    for (const WriteFailure& failure : sWriteFailures) {
        sysfs.add({.index = failure.index});
        sysfs.failWrites(failure.index, failure.error);
        QString words = QString::fromStdString(failure.words) + ".";
        words[0] = words[0].toUpper();
        EXPECT_TRUE(QTest::qWaitFor([&] { return text("mStatusField") == words; }, 3000))
            << text("mStatusField");
        sysfs.remove(failure.index);
        EXPECT_TRUE(QTest::qWaitFor(
            [&] { return text("mStatusField") == "Plug in the transmitter."; }, 3000));
    }
}

// Another program's change is taken in within a second, sent, and kept at the next save.
TEST_F(Pane, FollowsChangesOtherProgramsMakeToTheFile) {
    fake.plug({"tx", 0x0102});
    start();
    pane->didUnselect();
    reports();
    ASSERT_TRUE(settings::write(settings::prefPath(), 99500, false).saved());
    ASSERT_TRUE(QTest::qWaitFor([this] { return dial->frequency() == 99500; }, 1000));
    EXPECT_EQ(host::RadioMatrix::tag(stereoCtl()->selectedCell()), 1);
    EXPECT_EQ(reports(), QStringList{"99.5 MHz mono"});
    write("<key>Style</key><integer>1</integer><key>Frequency</key><integer>99500</integer>");
    ASSERT_TRUE(QTest::qWaitFor([this] { return dial->frequency() == 89900; }, 1000));
    pane->didUnselect();
    EXPECT_EQ(savedFrequency(), 89900);
}

// The settings folder and file as the pane runs; another program's neighbour that saves every
// 50 ms runs for the rest of the case.
struct Scene {
    QString folder;
    QString path;
    QTimer neighbour;
    const USB_TavroPref* pane = nullptr;

    bool shows(SInt32 inFrequency) const {
        return QTest::qWaitFor([&] { return pane->frequency() == inFrequency; }, 1000);
    }
    void remake(const std::function<bool(const QString&)>& inGone) const {
        ASSERT_TRUE(inGone(folder));
        QTest::qWait(300); // settled, with no folder
        ASSERT_TRUE(QDir().mkpath(folder));
        ASSERT_TRUE(settings::write(path, 99500, true).saved());
    }
};

struct Sharing {
    const char* name;
    std::function<void(Scene&)> change; // ends with the file at 99.5 MHz
};

// Another program's change is taken in within a second, whatever became of the folder and the
// file before, however busy the folder, and wherever a link leads.
TEST(PaneSharingTheFile, TakesInChangesWhateverBecameOfTheFolderAndFile) {
    const QByteArray inPlace = plistXml("<key>Frequency</key><integer>99500</integer>");
    const Sharing cases[] = {
        {"folder removed, made again",
         [](Scene& s) {
             s.remake([](auto& f) { return QDir(f).removeRecursively(); });
         }},
        {"folder moved away, a new one made",
         [](Scene& s) {
             s.remake([](auto& f) { return QDir().rename(f, f + ".old"); });
         }},
        {"a second hard link, the file replaced, then written in place",
         [&](Scene& s) {
             ASSERT_EQ(::link(qPrintable(s.path), qPrintable(s.path + ".bak")), 0);
             ASSERT_TRUE(settings::write(s.path, 90500, true).saved());
             ASSERT_TRUE(s.shows(90500));
             ASSERT_TRUE(put(s.path, inPlace));
         }},
        {"another file of the folder saved every 50 ms",
         [](Scene& s) {
             QObject::connect(&s.neighbour, &QTimer::timeout,
                              [&s] { settings::write(s.folder + "/other", 0, true); });
             s.neighbour.start(50);
             QTest::qWait(200);
             ASSERT_TRUE(settings::write(s.path, 99500, true).saved());
         }},
        {"a link to /dev/null, then to a regular file written in place",
         [&](Scene& s) {
             QFile::remove(s.path);
             ASSERT_TRUE(QFile::link("/dev/null", s.path));
             QTest::qWait(300);
             const QString real = s.folder + "/real.plist";
             ASSERT_TRUE(settings::write(real, 90500, true).saved());
             ASSERT_TRUE(QFile::link(real, s.path + ".new"));
             ASSERT_EQ(::rename(qPrintable(s.path + ".new"), qPrintable(s.path)), 0);
             ASSERT_TRUE(s.shows(90500));
             ASSERT_TRUE(put(real, inPlace));
         }},
    };
    for (const Sharing& c : cases) {
        const QTemporaryDir root;
        Scene scene;
        scene.folder = root.filePath("config");
        ScopedEnv xdg("XDG_CONFIG_HOME", scene.folder.toLocal8Bit());
        scene.path = settings::prefPath();
        ASSERT_TRUE(settings::write(scene.path, 90000, true).saved());
        Fake fake;
        USB_TavroPref pane(host::Bundle(TAVRO_BUNDLE_PATH), fake);
        pane.loadMainView();
        pane.mainViewDidLoad();
        scene.pane = &pane;
        c.change(scene);
        EXPECT_TRUE(scene.shows(99500)) << c.name;
    }
}

// On a disk that takes no write: one log line naming the file and why, the status line until a
// save succeeds, and the pane says it holds unsaved settings.
TEST_F(Pane, FailedSaveIsLoggedShownAndRetried) {
    const TroubledFolder disk(TroubledFolder::ReadOnly);
    if (!disk.problem().empty()) {
        GTEST_SKIP() << disk.problem();
    }
    std::optional<ScopedEnv> troubled(std::in_place, "XDG_CONFIG_HOME", disk.path().toLocal8Bit());
    start();
    const StreamCapture log(2);
    pane->didUnselect();
    EXPECT_EQ(log.text(), "Settings not saved to " + settings::prefPath().toStdString() +
                              ": Read-only file system\n");
    EXPECT_TRUE(text("mStatusField").contains("could not be saved"));
    EXPECT_FALSE(pane->settingsSaved());
    troubled.reset(); // the fixture's own folder again
    pane->didUnselect();
    EXPECT_TRUE(pane->settingsSaved());
}

// On a dark desktop the texts and the focus ring take the desktop's colours.
TEST_F(Pane, DarkDesktopColoursShowThrough) {
    start();
    QPalette dark;
    dark.setColor(QPalette::Window, QColor(30, 30, 30));
    dark.setColor(QPalette::WindowText, QColor(250, 250, 250));
    dark.setColor(QPalette::Highlight, QColor(0, 200, 255));
    pane->mainView()->setPalette(dark);
    dial->becomeFirstResponder();
    const QImage shot = host::snapshot(*pane->mainView());
    const auto found = [&shot](QColor inColour, QRect inArea) {
        const QImage area = shot.copy(inArea).convertToFormat(QImage::Format_RGB32);
        const auto* pixels = reinterpret_cast<const QRgb*>(area.constBits());
        return std::count(pixels, pixels + area.width() * area.height(), inColour.rgb()) > 0;
    };
    const auto* name = pane->mainView()->findChild<QLabel*>("nameLabel");
    EXPECT_TRUE(found(QColor(250, 250, 250), name->geometry()));
    EXPECT_TRUE(found(QColor(0, 200, 255), dial->geometry()));
}

} // namespace
