// The pane's controller on its real interface file and bundle, with a scripted transmitter and a
// settings folder of its own: what reaches the transmitter and the file, what the window shows.
#include "device/fake/FakeDeviceServices.h"
#include "device/sim/ReportDescription.h"
#include "dial/xr_tunerCtl.h"
#include "host/PropertyList.h"
#include "host/RadioMatrix.h"
#include "host/Snapshot.h"
#include "pane/USB_TavroPref.h"
#include "settings/Settings.h"
#include "support/BinaryPlist.h"
#include "support/Files.h"
#include "support/ProgramRun.h"
#include "support/QtPrinters.h"
#include "support/ScopedEnv.h"
#include "support/StreamCapture.h"
#include "support/TroubledFolder.h"

#include <QElapsedTimer>
#include <QLabel>
#include <QProcess>
#include <QRadioButton>
#include <QTest>

#include <gtest/gtest.h>

#include <optional>

#include <unistd.h>

namespace {

using Fake = device::FakeDeviceServices;

// The pane on a scripted transmitter (plugged in before the start, unless inPlugged is false),
// with a settings folder of its own that holds inFile, when one is given.
struct Panel {
    explicit Panel(const QByteArray& inFile = {}, bool inPlugged = true) {
        EXPECT_TRUE(QDir().mkpath(folder) &&
                    (inFile.isNull() || put(settings::prefPath(), inFile)));
        if (inPlugged) {
            fake.plug({"tx", 0x0102});
        }
        EXPECT_NE(pane.loadMainView(), nullptr);
        pane.mainViewDidLoad();
        dial = pane.mainView()->findChild<xr_tunerCtl*>("mTunerCtl");
    }
    QString text(const char* inField) const {
        return pane.mainView()->findChild<QLabel*>(inField)->text();
    }
    host::RadioMatrix* stereoCtl() const {
        return pane.mainView()->findChild<host::RadioMatrix*>("mStereoCtl");
    }
    // The last report the transmitter received, described ("...  88.1 MHz stereo power 1").
    std::string last() const {
        const auto sent = fake.reports();
        return sent.empty() ? std::string() : device::describeTuningReport(sent.back().data(), 6);
    }
    // "88.1 MHz stereo", for each report the transmitter received since the last call.
    QStringList reports() {
        QStringList described;
        for (const auto& report : fake.reports()) {
            const auto words = device::describeTuningReport(report.data(), 6);
            described << QString::fromStdString(words).section(' ', 7, 9); // after the bytes
        }
        fake.clearSent();
        return described;
    }
    std::optional<SInt32> saved() const {
        return settings::read(settings::prefPath()).stored.frequency;
    }
    bool plays(SInt32 inFrequency) const {
        return QTest::qWaitFor([&] { return pane.frequency() == inFrequency; }, 1000);
    }

    QTemporaryDir root;
    QString folder = root.filePath("config");
    ScopedEnv xdg{"XDG_CONFIG_HOME", folder.toLocal8Bit()};
    Fake fake;
    USB_TavroPref pane{host::Bundle(TAVRO_BUNDLE_PATH), fake};
    xr_tunerCtl* dial = nullptr;
};

// Plugged in all along, the transmitter gets the pane's settings, and its version is shown with
// the bundle's; each turn of the dial and stereo change reaches it at once, and the file once the
// dial rests, not a write a step, keeping the file's other keys; a cell of another tag is mono.
// On a dark desktop the texts and the focus ring take the desktop's colours.
TEST(Pane, ShowsTheTransmitterAndSendsEachChangeAtOnceSavingItSoon) {
    Panel p(plistXml("<key>Note</key><string>mine</string>"));
    EXPECT_EQ(p.text("mHWVersField"), "Hardware version: 0102");
    EXPECT_TRUE(p.text("mVersionField").startsWith("version " TAVRO_VERSION " ("));
    EXPECT_EQ(p.text("mStatusField"), "");
    EXPECT_EQ(p.pane.initialKeyView(), p.dial);
    EXPECT_EQ(p.reports(), QStringList{"88.1 MHz stereo"});
    p.dial->scrollWheel(host::Event::scrollWheel({}, 59.0f));
    p.stereoCtl()->findChild<QRadioButton*>("monoCell")->click();
    EXPECT_EQ(p.reports(), (QStringList{"94.0 MHz stereo", "94.0 MHz mono"}));
    EXPECT_FALSE(p.saved());
    EXPECT_TRUE(QTest::qWaitFor([&] { return p.saved() == 94000; }, 1000));

    auto* odd = new QRadioButton("odd", p.stereoCtl());
    odd->setProperty("tag", 3);
    p.stereoCtl()->findChild<QRadioButton*>("stereoCell")->click();
    odd->click();
    EXPECT_EQ(p.reports(), (QStringList{"94.0 MHz stereo", "94.0 MHz mono"}));
    p.pane.didUnselect();
    const auto kept = host::Dictionary::dictionaryWithContentsOfFile(settings::prefPath());
    EXPECT_EQ(kept->stringValue("Note"), QString("mine"));

    QPalette dark;
    dark.setColor(QPalette::Window, QColor(30, 30, 30));
    dark.setColor(QPalette::WindowText, QColor(250, 250, 250));
    dark.setColor(QPalette::Highlight, QColor(0, 200, 255));
    p.pane.mainView()->setPalette(dark);
    p.dial->becomeFirstResponder();
    const QImage shot = host::snapshot(*p.pane.mainView());
    const auto found = [&shot](QColor inColour, const QWidget* inWidget) {
        const QImage area = shot.copy(inWidget->geometry()).convertToFormat(QImage::Format_RGB32);
        const auto* pixels = reinterpret_cast<const QRgb*>(area.constBits());
        return std::count(pixels, pixels + area.width() * area.height(), inColour.rgb()) > 0;
    };
    EXPECT_TRUE(found(QColor(250, 250, 250), p.pane.mainView()->findChild<QLabel*>("nameLabel")));
    EXPECT_TRUE(found(QColor(0, 200, 255), p.dial));
}

// One way the pane comes to play something, from the file it starts on (none for a null one).
struct Door {
    const char* name;
    QByteArray file;
    const char* plays;
    std::optional<SInt32> saved = {}, style = {};     // what the file holds then
    std::function<void(USB_TavroPref&)> through = {}; // after the start
};

QByteArray tuned(int inKHz, const QByteArray& inMore = {}) {
    return plistXml("<key>Frequency</key><integer>" + QByteArray::number(inKHz) + "</integer>" +
                    inMore);
}

// Whichever way the pane comes to tune, the file holds what it plays within a second, as
// usb-tavro apply reads it (the user unit runs it at each plug-in, also before any pane, and it
// sends what the pane sends at its start); a file with a value that cannot be written back is
// read all the same, and kept aside whole, once, as the status line says.
TEST(PaneDoors, WhatPlaysIsWhatTheFileHoldsWithinASecond) {
    using namespace bplist;
    const QByteArray unkeepable = list( // {Frequency 90000, Style 1, Stereo false, Note "a\0b"}
        {Bytes{0xD4, 1, 2, 3, 4, 5, 6, 7, 8}, ascii("Frequency"), ascii("Style"), ascii("Stereo"),
         ascii("Note"), Bytes{0x12} + big(90000, 4), Bytes{0x10, 1}, Bytes{0x08},
         ascii(std::string("a\0b", 3))},
        1);
    const QByteArray band1 = "<key>Style</key><integer>1</integer>",
                     mono = "<key>Stereo</key><false/>", f995 = tuned(99500);
    // Another program saves a style, or 99.5 MHz mono; the pane's menus tune.
    const auto saveStyle = [](SInt32 inStyle) {
        return [inStyle](USB_TavroPref&) {
            ASSERT_TRUE(settings::change(settings::prefPath(), [inStyle](host::Dictionary& ioDict) {
                            ioDict.setLong(settings::sStyleKey, inStyle);
                            return true;
                        }).saved());
        };
    };
    const auto saveMono = [](USB_TavroPref&) {
        ASSERT_TRUE(settings::write(settings::prefPath(), 99500, false).saved());
    };
    const auto menu = [](SInt32 inFrequency, bool inStereo, SInt32 inStyle) {
        return std::bind(&USB_TavroPref::tuneTo, std::placeholders::_1, inFrequency, inStereo,
                         inStyle);
    };
    const Door doors[] = {
        {"no file", {}, "88.1 MHz stereo"},
        {"beyond the band", tuned(200000), "107.9 MHz stereo", 107900},
        {"off the 100 kHz grid", tuned(88150), "88.1 MHz stereo", 88150},
        {"band 1, above it, mono as a word",
         tuned(200000, band1 + "<key>Stereo</key><string>NO</string>"), "89.9 MHz mono", 89900, 1},
        {"band 1, mono", tuned(76500, band1 + mono), "76.5 MHz mono", 76500, 1},
        {"a style of no band", tuned(76500, "<key>Style</key><integer>7</integer>"),
         "88.1 MHz stereo", 88100, 7},
        {"a frequency that is no number", plistXml("<key>Frequency</key><string>abc</string>"),
         "88.1 MHz stereo", 88100},
        {"a frequency and mono another program chose", {}, "99.5 MHz mono", 99500, {}, saveMono},
        {"a band another program chose", f995, "89.9 MHz stereo", 89900, 1, saveStyle(1)},
        {"a style of no band another program chose, while the dial is in band 1",
         tuned(80000, band1), "80.0 MHz stereo", 80000, 1, saveStyle(7)},
        {"the band menu", f995, "89.9 MHz stereo", 89900, 1, menu(99500, true, 1)},
        {"a station of the other band", f995, "80.0 MHz mono", 80000, 1,
         menu(80000, false, settings::styleForFrequency(0, 80000))},
        {"a value that cannot be written back", unkeepable, "89.9 MHz mono", 89900, 1},
    };
    for (const Door& door : doors) {
        SCOPED_TRACE(door.name);
        ProgramRun tool(TAVRO_CLI_PROGRAM);
        EXPECT_TRUE(door.file.isNull() || put(tool.settingsPath(), door.file));
        Panel p(door.file);
        // What usb-tavro --simulate apply prints for the settings file it finds: the file as it
        // came.
        EXPECT_TRUE(
            tool.run({"--simulate", "apply"}).out.starts_with("report: " + p.last() + "\n"));
        if (door.through) {
            door.through(p.pane);
        }
        const auto settled = [&] {
            const settings::Stored now = settings::read(settings::prefPath()).stored;
            return p.last().find("  " + std::string(door.plays) + " power") != p.last().npos &&
                   now.frequency == door.saved && now.style == door.style;
        };
        EXPECT_TRUE(QTest::qWaitFor(settled, 1000)) << p.last();
        tool.env.insert("XDG_CONFIG_HOME", p.folder);
        EXPECT_EQ(tool.run({"--simulate", "apply"}).out,
                  "report: " + p.last() + "\nApplied " +
                      QString(door.plays).replace(" MHz ", " MHz, ").toStdString() +
                      " to the transmitter.\n");
        EXPECT_EQ(host::RadioMatrix::tag(p.stereoCtl()->selectedCell()),
                  QString(door.plays).endsWith("mono") ? 1 : 2);
        const QString original = settings::prefPath() + ".original";
        EXPECT_EQ(contents(original), door.file == unkeepable ? door.file : QByteArray());
        EXPECT_EQ(p.text("mStatusField").contains(original), door.file == unkeepable);
    }
}

// Another program holding the settings lock (here flock(1)) holds up no save for long and never
// the window: the save waits its turn on the event loop, goes on without the lock after its
// bound, and says so once.
TEST(Pane, ASaveNeverStopsTheWindowForTheLock) {
    Panel p;
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
        p.dial->scrollWheel(host::Event::scrollWheel({}, notches));
        const SInt32 tuned = p.dial->frequency();
        // Due after 0.3 s, then waiting 0.5 s for the lock.
        EXPECT_FALSE(QTest::qWaitFor([&] { return p.saved() == tuned; }, 600));
        EXPECT_TRUE(QTest::qWaitFor([&] { return p.saved() == tuned; }, 1000));
    }
    EXPECT_LT(longest, 200);
    EXPECT_EQ(log.text(), "Settings lock " + lock.toStdString() +
                              " is held by another program: saving without it\n");
    holder.kill();
    holder.waitForFinished();
    // Nor does reading a file an editor is halfway through wait for it to settle (as a save
    // does, off the window's turn): the pane's start is not held up by it.
    ASSERT_TRUE(put(settings::prefPath(), tuned(90000).first(40)));
    clock.restart();
    for (int read = 0; read < 5; ++read) {
        p.pane.readPrefs();
    }
    EXPECT_LT(clock.elapsed(), 250);
}

// A transmitter that may not be opened, or that does not take a report, is told of in the status
// line until it is mended; one that could not take the report for an earlier one held, gets the
// settings once it can. So is a disk that takes no settings.
TEST(Pane, StatusLineSaysWhatKeepsTheTransmitterAndTheFileFromTheSettings) {
    Panel p({}, false);
    p.fake.failCall(Fake::Call::IOCreatePlugInInterfaceForService, kIOReturnNotPrivileged);
    p.fake.plug({"tx", 0x0102});
    p.fake.clearFailure();
    EXPECT_TRUE(p.text("mStatusField").startsWith("No permission to write to the transmitter: "))
        << p.text("mStatusField");
    EXPECT_TRUE(p.text("mStatusField").contains("udev rule"));
    p.fake.unplug("tx");
    EXPECT_EQ(p.text("mStatusField"), "Plug in the transmitter.");
    EXPECT_EQ(p.text("mHWVersField"), "Hardware version: unknown");

    p.fake.failReports({.status = kIOReturnBusy, .cause = device::Failure::Cause::HeldEarlier});
    p.fake.plug({"tx", 0x0102});
    EXPECT_EQ(p.text("mStatusField"),
              "The transmitter is still busy with an earlier setting that the kernel holds.");
    p.fake.failReports({});
    p.reports();
    p.fake.sendMessage("tx", kIOMessageServiceIsResumed);
    EXPECT_EQ(p.reports(), QStringList{"88.1 MHz stereo"});
    EXPECT_EQ(p.text("mStatusField"), "");

    // A disk that takes no write: one log line naming the file and why, and the status line,
    // until a save succeeds; the pane says it holds unsaved settings.
    const TroubledFolder disk(TroubledFolder::ReadOnly);
    if (!disk.problem().empty()) {
        GTEST_SKIP() << disk.problem();
    }
    std::optional<ScopedEnv> troubled(std::in_place, "XDG_CONFIG_HOME", disk.path().toLocal8Bit());
    const StreamCapture log(2);
    p.pane.didUnselect();
    EXPECT_EQ(log.text(), "Settings not saved to " + settings::prefPath().toStdString() +
                              ": Read-only file system\n");
    EXPECT_TRUE(p.text("mStatusField").contains("could not be saved"));
    EXPECT_FALSE(p.pane.settingsSaved());
    troubled.reset(); // the pane's own folder again
    p.pane.didUnselect();
    EXPECT_TRUE(p.pane.settingsSaved());
}

// Another program's change is taken in within a second, whatever became of the folder and the
// file before, however busy the folder, and wherever a link leads: each case ends with the file
// at 99.5 MHz.
TEST(PaneSharingTheFile, TakesInChangesWhateverBecameOfTheFolderAndFile) {
    const auto remade = [](bool (*inGone)(const QString&)) {
        return [inGone](Panel& p) {
            ASSERT_TRUE(inGone(p.folder));
            QTest::qWait(300); // settled, with no folder
            ASSERT_TRUE(QDir().mkpath(p.folder));
            ASSERT_TRUE(settings::write(settings::prefPath(), 99500, true).saved());
        };
    };
    const std::pair<const char*, std::function<void(Panel&)>> cases[] = {
        {"folder removed, made again",
         remade([](const QString& f) { return QDir(f).removeRecursively(); })},
        {"folder moved away, a new one made",
         remade([](const QString& f) { return QDir().rename(f, f + ".old"); })},
        {"a second hard link, the file replaced, then written in place",
         [](Panel& p) {
             const QString path = settings::prefPath();
             ASSERT_EQ(::link(qPrintable(path), qPrintable(path + ".bak")), 0);
             ASSERT_TRUE(settings::write(path, 90500, true).saved());
             ASSERT_TRUE(p.plays(90500));
             ASSERT_TRUE(put(path, tuned(99500)));
         }},
        {"another file of the folder saved every 50 ms",
         [](Panel& p) {
             auto* neighbour = new QTimer(&p.pane);
             QObject::connect(neighbour, &QTimer::timeout,
                              [&p] { settings::write(p.folder + "/other", 0, true); });
             neighbour->start(50);
             QTest::qWait(200);
             ASSERT_TRUE(settings::write(settings::prefPath(), 99500, true).saved());
         }},
        {"a link to /dev/null, then to a regular file written in place",
         [](Panel& p) {
             const QString path = settings::prefPath(), real = p.folder + "/real.plist";
             QFile::remove(path);
             ASSERT_TRUE(QFile::link("/dev/null", path));
             QTest::qWait(300);
             ASSERT_TRUE(settings::write(real, 90500, true).saved());
             ASSERT_TRUE(QFile::link(real, path + ".new"));
             ASSERT_EQ(::rename(qPrintable(path + ".new"), qPrintable(path)), 0);
             ASSERT_TRUE(p.plays(90500));
             ASSERT_TRUE(put(real, tuned(99500)));
         }},
    };
    for (const auto& [name, change] : cases) {
        SCOPED_TRACE(name);
        Panel p(tuned(90000));
        change(p);
        EXPECT_TRUE(p.plays(99500));
    }
}

} // namespace
