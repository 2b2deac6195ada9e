// The pane's controller on the real interface file and bundle, with a scripted transmitter and a
// settings folder of its own.
#include "device/fake/FakeDeviceServices.h"
#include "device/xr_device.h"
#include "dial/xr_tunerCtl.h"
#include "dial/xr_tunerLayout.h"
#include "host/NotificationCenter.h"
#include "host/PropertyList.h"
#include "host/RadioMatrix.h"
#include "pane/USB_TavroPref.h"
#include "settings/Settings.h"
#include "support/ScopedEnv.h"
#include "support/StreamCapture.h"

#include <QDir>
#include <QFile>
#include <QLabel>
#include <QRadioButton>
#include <QTemporaryDir>

#include <gtest/gtest.h>

#include <memory>
#include <vector>

namespace {

using Report = std::vector<UInt8>;

Report report(SInt32 inFreqkHz, bool inStereo) {
    const auto word = static_cast<UInt16>(inFreqkHz / 100 + 0x4000 + (inStereo ? 0x0800 : 0));
    return {0xC0, static_cast<UInt8>(word >> 8), static_cast<UInt8>(word & 0xFF), 0x0C, 0, 0};
}

device::FakeDeviceServices::Device transmitter(const char* inName, long long inVersion = 0x0102) {
    device::FakeDeviceServices::Device d;
    d.name = inName;
    d.versionNumber = PropertyValue{inVersion};
    return d;
}

class Pane : public ::testing::Test {
protected:
    void writeSettings(const QByteArray& inBody) {
        QFile file(settings::prefPath());
        ASSERT_TRUE(file.open(QIODevice::WriteOnly));
        file.write("<?xml version=\"1.0\"?><plist version=\"1.0\"><dict>" + inBody +
                   "</dict></plist>");
    }
    void start() {
        pane = std::make_unique<USB_TavroPref>(host::Bundle(TAVRO_BUNDLE_PATH), fake);
        ASSERT_NE(pane->loadMainView(), nullptr);
        pane->mainViewDidLoad();
    }
    std::optional<host::Dictionary> savedSettings() const {
        return host::Dictionary::dictionaryWithContentsOfFile(settings::prefPath());
    }
    xr_tunerCtl* dial() const { return pane->mainView()->findChild<xr_tunerCtl*>("mTunerCtl"); }
    QString text(const char* inField) const {
        return pane->mainView()->findChild<QLabel*>(inField)->text();
    }
    host::RadioMatrix* stereoCtl() const {
        return pane->mainView()->findChild<host::RadioMatrix*>("mStereoCtl");
    }
    // A point of the dial's own, in window coordinates.
    host::Point inWindow(host::Point inDialPoint) const {
        xr_tunerCtl* d = dial();
        const QPointF q = d->mapTo(d->window(), host::View::toQtPoint(d, inDialPoint));
        return host::View::fromQtPoint(d->window(), q);
    }
    // Drags the knob 90 degrees clockwise from north.
    void dragDial() {
        dial()->mouseDown(host::Event::mouse(inWindow({sCenterPt.x, sCenterPt.y + 40})));
        dial()->mouseDragged(host::Event::mouse(inWindow({sCenterPt.x + 40, sCenterPt.y})));
    }

    QTemporaryDir config;
    ScopedEnv xdg{"XDG_CONFIG_HOME", config.path().toLocal8Bit()};
    device::FakeDeviceServices fake;
    std::unique_ptr<USB_TavroPref> pane;
};

TEST_F(Pane, WithoutASettingsFileStartsAtDefaultsAndSavesNoStyle) {
    start();
    EXPECT_EQ(pane->frequency(), 88100);
    EXPECT_EQ(pane->tuningStyle(), 0);
    EXPECT_TRUE(pane->stereo());
    EXPECT_EQ(host::RadioMatrix::tag(stereoCtl()->selectedCell()), 2);
    EXPECT_EQ(text("mHWVersField"), "Hardware version: unknown");
    EXPECT_EQ(pane->initialKeyView(), dial()); // the arrow keys tune from the start

    pane->didUnselect();
    const auto saved = savedSettings();
    ASSERT_TRUE(saved);
    EXPECT_EQ(saved->longValue("Frequency"), 88100);
    EXPECT_EQ(saved->boolValue("Stereo"), true);
    EXPECT_FALSE(saved->hasKey("Style"));
}

TEST_F(Pane, StyleFromTheFileChoosesTheBandAndSurvivesWithOtherKeys) {
    writeSettings("<key>Style</key><integer>1</integer><key>Owner</key><string>me</string>");
    start();
    dial()->setFrequency(100000);
    EXPECT_EQ(dial()->frequency(), 89900);
    dial()->setFrequency(0);
    EXPECT_EQ(dial()->frequency(), 76100);

    pane->didUnselect();
    const auto saved = savedSettings();
    ASSERT_TRUE(saved);
    EXPECT_EQ(saved->longValue("Style"), 1);
    EXPECT_EQ(saved->stringValue("Owner"), QString("me"));
    EXPECT_EQ(saved->longValue("Frequency"), 88100);
}

struct VersionCase {
    const char* infoPlist; // null: no Info.plist at all
    const char* version;
    const char* date;
};

// The version fields show the bundle's Info.plist; without one they keep the interface's text.
TEST_F(Pane, VersionFieldsShowTheBundlesInfo) {
    const VersionCase cases[] = {
        {"<key>CFBundleVersion</key><string>1.0</string><key>BuildVersion</key><string>42</string>"
         "<key>BuildDate</key><string>2026-12-06</string>",
         "version 1.0 (42)", "2026-12-06"},
        {"<key>BuildVersion</key><string>7</string>", "version ??? (7)", ""},
        {"",
         "version ??? ("
         "???"
         ")",
         ""},
        {nullptr, "version", ""},
    };
    for (const VersionCase& c : cases) {
        QTemporaryDir folder;
        const QString root = folder.filePath("USB_Tavro.prefPane");
        QDir().mkpath(root + "/Contents/Resources");
        QFile::copy(QString(TAVRO_BUNDLE_PATH) + "/Contents/Resources/USB_Tavro.ui",
                    root + "/Contents/Resources/USB_Tavro.ui");
        if (c.infoPlist != nullptr) {
            QFile info(root + "/Contents/Info.plist");
            ASSERT_TRUE(info.open(QIODevice::WriteOnly));
            info.write(QByteArray("<?xml version=\"1.0\"?><plist version=\"1.0\"><dict>") +
                       c.infoPlist + "</dict></plist>");
        }
        pane = std::make_unique<USB_TavroPref>(host::Bundle(root), fake);
        ASSERT_NE(pane->loadMainView(), nullptr) << c.version;
        pane->mainViewDidLoad();
        EXPECT_EQ(text("mVersionField"), c.version);
        EXPECT_EQ(text("mDateField"), c.date);
    }
}

// A transmitter plugged in all along is announced inside start-up: its version is shown and it
// gets the settings before the version fields are filled.
TEST_F(Pane, TransmitterPresentAtStartIsSetUpDuringStartUp) {
    writeSettings("<key>Frequency</key><integer>101500</integer><key>Stereo</key><false/>");
    fake.plug(transmitter("first"));
    QString versionTextDuringConnection;
    QObject spy;
    host::NotificationCenter::defaultCenter().addObserver(
        &spy,
        [&](const host::Notification&) { versionTextDuringConnection = text("mVersionField"); },
        gConnectionNotification, nullptr);

    start();
    EXPECT_EQ(versionTextDuringConnection, "version"); // still the interface file's text
    EXPECT_EQ(text("mHWVersField"), "Hardware version: 0102");
    EXPECT_TRUE(dial()->connected());
    EXPECT_EQ(fake.reports(), std::vector<Report>{report(101500, false)});
}

TEST_F(Pane, UnplugShowsUnknownAndPlugSendsTheCurrentSettings) {
    fake.plug(transmitter("first"));
    start();
    fake.clearHIDCalls();

    fake.unplug("first");
    EXPECT_EQ(text("mHWVersField"), "Hardware version: unknown");
    EXPECT_FALSE(dial()->connected());
    EXPECT_TRUE(fake.hidCalls().empty());

    dial()->setFrequency(95000); // the controller sets its own frequency back at reconnection
    fake.plug(transmitter("second", 0x0abc));
    EXPECT_EQ(text("mHWVersField"), "Hardware version: 0abc");
    EXPECT_EQ(dial()->frequency(), 88100);
    EXPECT_EQ(fake.reports(), std::vector<Report>{report(88100, true)});
}

TEST_F(Pane, DialMovesAndStereoChangesGoToTheTransmitterAndTheFile) {
    fake.plug(transmitter("first"));
    start();
    fake.clearHIDCalls();

    dragDial();
    EXPECT_EQ(pane->frequency(), 94000);
    stereoCtl()->findChild<QRadioButton*>("monoCell")->click();
    EXPECT_FALSE(pane->stereo());
    EXPECT_EQ(fake.reports(), (std::vector<Report>{report(94000, true), report(94000, false)}));

    pane->didUnselect();
    EXPECT_EQ(settings::read(settings::prefPath()).stored.frequency, 94000);
    EXPECT_EQ(settings::read(settings::prefPath()).stored.stereo, false);
}

TEST_F(Pane, StereoCellWithAnotherTagMeansMono) {
    start();
    auto* odd = new QRadioButton("odd", stereoCtl());
    odd->setProperty("tag", 3);
    ASSERT_TRUE(stereoCtl()->selectCellWithTag(3));
    pane->handleStereoControl(stereoCtl());
    EXPECT_FALSE(pane->stereo());
    stereoCtl()->findChild<QRadioButton*>("stereoCell")->click();
    EXPECT_TRUE(pane->stereo());
}

// The dial corrects a stored frequency outside the band; the transmitter must get what the dial
// shows, not the stored value.
TEST_F(Pane, OutOfBandStoredFrequencyIsTakenAsTheDialCorrectsIt) {
    writeSettings("<key>Frequency</key><integer>200000</integer>");
    fake.plug(transmitter("first"));
    start();
    EXPECT_EQ(pane->frequency(), 107900);
    EXPECT_EQ(dial()->frequency(), 107900);
    EXPECT_EQ(fake.reports(), std::vector<Report>{report(107900, true)});
}

TEST_F(Pane, ValuesOfUnexpectedTypesNeverCrashOrMisread) {
    writeSettings("<key>Frequency</key><string>98000 kHz</string>"
                  "<key>Style</key><data>AAEC</data><key>Stereo</key><array/>");
    start();
    EXPECT_EQ(pane->frequency(), 98000);
    EXPECT_EQ(pane->tuningStyle(), 0);
    EXPECT_TRUE(pane->stereo());
}

} // namespace
