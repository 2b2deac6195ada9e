// On a real X server with its own key repeat, driven through XTest: the real program, and the real
// pane in a window of this process.
#include "host/KeyRepeat.h"
#include "host/Snapshot.h"
#include "settings/Settings.h"
#include "support/PaneWindow.h"
#include "support/PanelRun.h"
#include "support/QtPrinters.h"
#include "support/XServer.h"

#include <QAccessible>
#include <QAction>
#include <QDir>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QMenu>
#include <QRadioButton>
#include <QScreen>
#include <QTest>

#include <thread>

namespace {

using namespace std::chrono_literals;

// usb-tavro-prefs --simulate on an X server, its window focused, the standard descriptors given
// closed.
class Panel : public PanelRun {
public:
    explicit Panel(const QString& inConfig = {}, XServer& inServer = XServer::current(),
                   std::vector<int> inClosed = {})
        : PanelRun(inConfig) {
        closed = std::move(inClosed);
        env.insert("DISPLAY", QString::fromStdString(inServer.name()));
        start({"--simulate"});
        window = inServer.findWindow("USB_Tavro FM Transmitter");
        inServer.focus(window);
    }

    unsigned long window = 0;
};

class KeyHold : public ::testing::TestWithParam<RepeatRate> {};

// Seven steps, due at 0, 0.4, 0.8, 0.85, 0.9, 0.95 and 1.0 s, whatever the server's repeat.
TEST_P(KeyHold, OfOnePointOTwoSecondsIsSevenStepsWhateverTheServersRepeat) {
    XServer& x = XServer::current();
    x.setKeyRepeat(GetParam().delayMs, GetParam().rate);
    Panel panel;
    ASSERT_NE(panel.window, 0u);
    QStringList reports = panel.reports();
    ASSERT_EQ(reports, QStringList{"88.1 MHz stereo"}); // sent on plugging in
    for (const char* key : {"Up", "Up", "Up", "Up", "Up", "Down"}) {
        const qsizetype before = reports.size();
        x.hold(key, 1020ms);
        reports = panel.reports();
        ASSERT_EQ(reports.size() - before, 7) << key << " after " << before << " reports";
    }
    EXPECT_EQ(reports.constLast(), "90.9 MHz stereo"); // 35 steps up, 7 down
}

INSTANTIATE_TEST_SUITE_P(Server, KeyHold,
                         ::testing::Values(RepeatRate{"Default", 660, 25},
                                           RepeatRate{"Fast", 200, 50},
                                           RepeatRate{"Slow", 300, 10}),
                         [](const auto& inInfo) { return std::string(inInfo.param.name); });

// Closed, it saves what was tuned, and sends it at the next start. Qt ends the program when the X
// server goes away: what was tuned just before is saved all the same, sooner than the pane would
// have saved it.
TEST(Program, SavesOnClosingAndWhenTheDisplayIsLost) {
    auto display = std::make_unique<XServer>();
    Panel panel({}, *display);
    ASSERT_EQ(panel.reports(), QStringList{"88.1 MHz stereo"});
    for (int i = 0; i < 3; ++i) {
        display->hold("Up", 50ms);
        std::this_thread::sleep_for(50ms); // a person's pause between taps
    }
    EXPECT_EQ(panel.reports().constLast(), "88.4 MHz stereo");
    display->close(panel.window);
    ASSERT_EQ(panel.finish().exitCode, 0);

    Panel again(panel.config.path(), *display);
    EXPECT_EQ(again.reports(), QStringList{"88.4 MHz stereo"});
    display->hold("Up", 50ms);
    EXPECT_EQ(again.reports(100ms).constLast(), "88.5 MHz stereo");
    display.reset();
    EXPECT_EQ(again.finish().exitCode, 1);
    EXPECT_EQ(settings::read(panel.settingsPath()).stored.frequency, 88500);
}

// Closed standard descriptors (`1>&-`) are not taken by the X connection, which what is printed
// would corrupt: the window comes up, tunes (a report printed) and saves.
TEST(Program, WorksWithItsStandardDescriptorsClosed) {
    for (const std::vector<int>& closed : {std::vector{1}, std::vector{2}, std::vector{0, 1, 2}}) {
        Panel panel({}, XServer::current(), closed);
        ASSERT_NE(panel.window, 0u) << closed.size() << " closed from " << closed.front();
        XServer::current().hold("Up", 50ms);
        std::this_thread::sleep_for(100ms);
        XServer::current().close(panel.window);
        EXPECT_EQ(panel.finish().exitCode, 0);
        EXPECT_EQ(settings::read(panel.settingsPath()).stored.frequency, 88200);
    }
}

// usb-tavro's save just before the panel's own (due 0.3 s after a tap), or just before a signal
// ends the panel, is what the file and the panel end at: the panel never writes over it.
TEST(Program, KeepsWhatUsbTavroSavedJustBeforeItsOwnSave) {
    Panel panel;
    ProgramRun tool(TAVRO_CLI_PROGRAM);
    tool.env.insert("XDG_CONFIG_HOME", panel.config.path());
    const auto saved = [&] {
        return settings::read(panel.settingsPath()).stored.frequency;
    };
    ASSERT_EQ(panel.reports(), QStringList{"88.1 MHz stereo"});
    for (const auto& [afterMs, tuned] : {std::pair{140, "94.0"}, {180, "95.0"}, {220, "96.0"}}) {
        XServer::current().hold("Up", 20ms);
        std::this_thread::sleep_for(std::chrono::milliseconds(afterMs));
        tool.run({"tune", tuned});
        EXPECT_EQ(panel.reports(800ms).constLast(), QString(tuned) + " MHz stereo") << afterMs;
        EXPECT_EQ(saved(), std::lround(std::stod(tuned) * 1000)) << afterMs;
    }
    tool.run({"tune", "99.9"});
    panel.signal(SIGTERM);
    ASSERT_EQ(panel.finish().exitCode, 0);
    EXPECT_EQ(saved(), 99900);
}

class PaneOnX : public PaneOn<XServer> {
protected:
    void SetUp() override {
        ASSERT_NE(pane.window, nullptr);
        pane.window->present();
        ASSERT_TRUE(QTest::qWaitForWindowExposed(pane.window.get()));
        input.focus(pane.window->winId()); // as a window manager would
        ASSERT_TRUE(QTest::qWaitForWindowActive(pane.window.get()));
        size = pane.window->size();
    }
    // The dial as the X server shows it, and as it would draw itself now.
    QImage dialOnScreen() const {
        QTest::qWait(50);
        const QPoint at = pane.dial->mapTo(pane.window.get(), QPoint(0, 0));
        return pane.dial->screen()
            ->grabWindow(pane.window->winId(), at.x(), at.y(), pane.dial->width(),
                         pane.dial->height())
            .toImage()
            .convertToFormat(QImage::Format_ARGB32_Premultiplied);
    }
    QImage dialNow() const { return host::snapshot(*pane.dial, 1.0, host::Backdrop::Window); }

    // Keys by their X names, one after another; with inModifier held down.
    void type(std::initializer_list<const char*> inKeys, const char* inModifier = nullptr) {
        if (inModifier != nullptr) {
            input.press(inModifier);
        }
        for (const char* key : inKeys) {
            input.hold(key, 20ms);
        }
        if (inModifier != nullptr) {
            input.release(inModifier);
        }
        QTest::qWait(100);
    }
    // The menus' pictures, for a person to look at, into the folder TAVRO_SHOTS names.
    static void shoot(const char* inName) {
        if (const QString folder = qEnvironmentVariable("TAVRO_SHOTS"); !folder.isEmpty()) {
            QTest::qWait(200);
            QGuiApplication::primaryScreen()->grabWindow(0).save(QDir(folder).filePath(inName));
        }
    }
    QString settingsPath() const { return pane.config.filePath(TAVRO_BUNDLE_IDENTIFIER ".plist"); }
    settings::Stored file() const { return settings::read(settingsPath()).stored; }
    bool lastReportBecomes(const char* inReport) {
        return QTest::qWaitFor([&] { return reports().constLast() == inReport; });
    }

    QSize size;
};

// Typed with the keyboard: a refused entry says why under the field and sends nothing; Enter
// takes a valid one, which the pane sends.
TEST_F(PaneOnX, TuneToRefusesInlineAndSendsAValidEntry) {
    type({"t"}, "Control_L");
    QWidget* dialog = nullptr;
    ASSERT_TRUE(QTest::qWaitFor([&] { return (dialog = QApplication::activeModalWidget()); }));
    const auto* field = dialog->findChild<QLineEdit*>("entryField");
    EXPECT_EQ(field->text(), "88.1");
    const QSize dialogSize = dialog->size();
    const QString why = "108.5 MHz is outside the band 88.1 to 107.9 MHz.";
    type({"1", "0", "8", "period", "5", "Return"});
    EXPECT_EQ(dialog->findChild<QLabel*>("entryRefusal")->text(), why);
    EXPECT_EQ(field->accessibleDescription(), why);
    shoot("tune-to-refused.png");
    // A long entry (pasted, say) is quoted cut short, and the dialog keeps its size.
    const_cast<QLineEdit*>(field)->setText(QString(300, '9'));
    type({"Return"});
    const auto* refusal = dialog->findChild<QLabel*>("entryRefusal");
    EXPECT_TRUE(refusal->text().contains(QChar(0x2026)));
    EXPECT_LE(refusal->heightForWidth(refusal->width()), refusal->height()); // none of it cut
    EXPECT_EQ(dialog->size(), dialogSize);
    EXPECT_EQ(reports(), QStringList{"88.1 MHz stereo"});
    type({"9", "9", "5", "0", "0", "Return"}); // the refused entry is selected: typed over
    EXPECT_TRUE(lastReportBecomes("99.5 MHz stereo"));
    EXPECT_EQ(QApplication::activeModalWidget(), nullptr);
    EXPECT_TRUE(QTest::qWaitFor([&] { return file().frequency == 99500; }, 1000));
}

// The band items write the style; the pane fits its frequency to the new band and sends it.
// The check marks follow the file as another program changes it.
TEST_F(PaneOnX, BandAndTuningAtPlugInAreSetFromTheMenu) {
    ASSERT_TRUE(settings::write(settingsPath(), 99500, true).saved());
    ASSERT_TRUE(lastReportBecomes("99.5 MHz stereo"));
    type({"t"}, "Alt_L");
    type({"b"});
    // The submenu opens a moment after its mnemonic; a key typed before goes to the menu above.
    const auto* bandMenu = pane.window->findChild<QMenu*>("bandMenu");
    ASSERT_TRUE(QTest::qWaitFor([&] { return bandMenu->isVisible(); }));
    shoot("transmitter-band-menu.png");
    type({"7"}); // 76.1 to 89.9 MHz
    EXPECT_TRUE(lastReportBecomes("89.9 MHz stereo"));
    // Saved as any tuning is, the frequency the band moved with it.
    EXPECT_TRUE(
        QTest::qWaitFor([&] { return file().style == 1 && file().frequency == 89900; }, 1000));
    EXPECT_TRUE(pane.window->findChild<QAction*>("band1")->isChecked());
    type({"t"}, "Alt_L");
    type({"p"}); // tune at plug-in, on by default: off
    EXPECT_EQ(file().applyOnPlug, false);
    ASSERT_TRUE(settings::change(settingsPath(), [](host::Dictionary& ioDict) {
                    settings::chooseBand(ioDict, 0);
                    return true;
                }).saved());
    const auto* band0 = pane.window->findChild<QAction*>("band0");
    EXPECT_TRUE(QTest::qWaitFor([&] { return band0->isChecked(); }));
}

// Saved under a name with the current frequency and stereo choice, recalled by Ctrl+1.
TEST_F(PaneOnX, StationSavedIsRecalledByItsShortcut) {
    ASSERT_TRUE(settings::write(settingsPath(), 95000, false).saved());
    ASSERT_TRUE(lastReportBecomes("95.0 MHz mono"));
    type({"a"}, "Alt_L");
    type({"s"}); // Save Station…
    type({"h", "o", "m", "e", "Return"});
    ASSERT_EQ(file().stations, (std::vector<settings::Station>{{"home", 95000, false}}));
    input.focus(pane.window->winId()); // back from the dialog, as a window manager would
    ASSERT_TRUE(QTest::qWaitForWindowActive(pane.window.get()));
    ASSERT_TRUE(settings::write(settingsPath(), 100000, true).saved());
    ASSERT_TRUE(lastReportBecomes("100.0 MHz stereo"));
    type({"a"}, "Alt_L");
    shoot("stations-menu.png");
    // The name set apart from the words around it: no name can reorder them.
    const QList<QAction*> items = pane.window->findChildren<QAction*>();
    EXPECT_TRUE(std::any_of(items.begin(), items.end(), [](const QAction* inItem) {
        return inItem->text() == "\u2068home\u2069 (95.0 MHz, mono)";
    }));
    type({"Escape"});
    type({"1"}, "Control_L");
    EXPECT_TRUE(lastReportBecomes("95.0 MHz mono"));
}

// A click on Mono and a drag of 150 degrees tune the transmitter, and focus goes with them; a
// drag with another button is not the dial's.
TEST_F(PaneOnX, ClicksAndDragsTuneAndTakeTheFocus) {
    const auto* mono = pane.find<QRadioButton>("monoCell");
    moveTo(mono->mapTo(pane.window.get(), QPoint(8, mono->height() / 2)));
    input.button(true);
    input.button(false);
    EXPECT_TRUE(QTest::qWaitFor([&] { return reports().constLast() == "88.1 MHz mono"; }));
    EXPECT_EQ(QApplication::focusWidget(), mono);
    drag(150.5, 2u);
    EXPECT_EQ(QApplication::focusWidget(), mono);
    EXPECT_EQ(reports().size(), 2);
    drag(150.5);
    EXPECT_EQ(reports().constLast(), "98.0 MHz mono");
    EXPECT_EQ(QApplication::focusWidget(), pane.dial);
}

TEST_F(PaneOnX, TabMovesFromTheDialToStereoAndMonoAndBack) {
    ASSERT_EQ(QApplication::focusWidget(), pane.dial);
    input.hold("Tab", 30ms);
    input.hold("Down", 30ms); // in the group: from stereo to mono
    EXPECT_TRUE(QTest::qWaitFor([&] { return reports().constLast() == "88.1 MHz mono"; }));
    input.press("Shift_L");
    input.hold("Tab", 30ms);
    input.release("Shift_L");
    QTest::qWait(100); // a person's pause: Qt learns of the release from a later event
    input.hold("Up", 30ms);
    EXPECT_TRUE(QTest::qWaitFor([&] { return reports().constLast() == "88.2 MHz mono"; }));
    EXPECT_EQ(QApplication::focusWidget(), pane.dial);
}

TEST_F(PaneOnX, UnpluggingShowsDashesSendsNothingAndKeepsTheWindowsSize) {
    const auto plug = [this] { // the Device menu's shortcut
        input.press("Control_L");
        input.hold("p", 30ms);
        input.release("Control_L");
    };
    plug();
    ASSERT_TRUE(QTest::qWaitFor(
        [&] { return pane.find<QLabel>("mHWVersField")->text() == "Hardware version: unknown"; }));
    EXPECT_EQ(dialOnScreen(), dialNow()); // dashes
    const qsizetype sent = reports().size();
    drag(90);
    input.hold("Up", 30ms); // steps the dial, tells nobody
    EXPECT_EQ(reports().size(), sent);
    EXPECT_EQ(pane.window->size(), size);

    plug(); // the pane's own settings go out, and show
    EXPECT_TRUE(QTest::qWaitFor([&] { return reports().size() == sent + 1; }));
    EXPECT_EQ(reports().constLast(), "88.1 MHz stereo");
    EXPECT_EQ(QAccessible::queryAccessibleInterface(pane.dial)->text(QAccessible::Value),
              "88.1 MHz");
    EXPECT_EQ(dialOnScreen(), dialNow());
    EXPECT_EQ(pane.window->size(), size);
}

// Asked for detectable auto-repeat, the server repeats a held key as presses alone: the one release
// is the key's own.
TEST_F(PaneOnX, DetectableAutoRepeatLeavesOneReleaseAHold) {
    ASSERT_TRUE(host::requestDetectableAutoRepeat());
    input.setKeyRepeat(200, 50);
    struct Releases : QObject {
        int count = 0;
        bool eventFilter(QObject*, QEvent* inEvent) override {
            count += inEvent->type() == QEvent::KeyRelease;
            return false;
        }
    } releases;
    pane.dial->installEventFilter(&releases);
    std::thread holding([this] { input.hold("Up", 600ms); });
    QTest::qWait(800);
    holding.join();
    EXPECT_EQ(releases.count, 1);
}

// This process never asks for the server's detectable auto-repeat, whose repeat comes as release
// and press pairs that Qt does not always flag: a release of a key the server still holds down,
// unflagged, is half of such a pair and does not end the dial's repeat.
TEST_F(PaneOnX, ReleaseOfAKeyStillHeldDownDoesNotEndTheRepeat) {
    input.setKeyRepeat(0, 0); // only the release below comes between
    std::thread holding([this] { input.hold("Up", 1020ms); });
    QTest::qWait(500);
    QKeyEvent unflagged(QEvent::KeyRelease, Qt::Key_Up, {}, input.keycode("Up"), 0, 0);
    QApplication::sendEvent(pane.dial, &unflagged);
    QTest::qWait(900);
    holding.join();
    EXPECT_EQ(reports().constLast(), "88.8 MHz stereo");
}

} // namespace
