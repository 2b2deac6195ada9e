// On a real X server with its own key repeat, driven through XTest: what only X has, or what is
// the same elsewhere and checked once here. The real program, and the real pane in a window of
// this process.
#include "host/KeyRepeat.h"
#include "host/Translations.h"
#include "settings/Settings.h"
#include "settings/Stations.h"
#include "support/PaneWindow.h"
#include "support/PanelRun.h"
#include "support/QtPrinters.h"

#include <QAbstractButton>
#include <QAction>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QMenu>
#include <QMenuBar>
#include <QRegularExpression>
#include <QTest>
#include <QTranslator>

#include <thread>

namespace {

using namespace std::chrono_literals;
using PaneOnX = PaneOn;

// Whether each text of inWindow that is shown fits its room: a label's words within its width
// (or its lines within its height, when they wrap), a button's, a menu bar's titles.
::testing::AssertionResult everyTextFits(const QWidget& inWindow) {
    for (const QLabel* label : inWindow.findChildren<QLabel*>()) {
        const bool wraps = label->wordWrap();
        const int need =
            wraps ? label->heightForWidth(label->contentsRect().width())
                  : label->fontMetrics().horizontalAdvance(
                        QString(label->text())
                            .remove(QRegularExpression("&(?!&)"))); // a mnemonic's "&" is not drawn
        if (label->isVisible() && !label->text().isEmpty() &&
            need > (wraps ? label->contentsRect().height() : label->contentsRect().width())) {
            return ::testing::AssertionFailure() << "cut: " << label->text();
        }
    }
    for (const QAbstractButton* button : inWindow.findChildren<QAbstractButton*>()) {
        if (button->isVisible() && button->sizeHint().width() > button->width()) {
            return ::testing::AssertionFailure() << "cut: " << button->text();
        }
    }
    const auto* bar = inWindow.findChild<QMenuBar*>();
    for (QAction* menu : bar != nullptr ? bar->actions() : QList<QAction*>()) {
        if (!inWindow.rect().contains(
                bar->actionGeometry(menu).translated(bar->mapTo(&inWindow, QPoint())))) {
            return ::testing::AssertionFailure() << "hidden: " << menu->text();
        }
    }
    return ::testing::AssertionSuccess();
}

// In the desktop's language, here Japanese with a font of its writing: the menus, the dialogs and
// the status line speak it, every text fits its room (the menu bar's titles are wider than in
// English), and frequencies keep the point the dial shows.
TEST(PaneInALanguage, MenusDialogsAndStatusLineSpeakItAndFit) {
    const ScopedEnv all("LC_ALL", nullptr), messages("LC_MESSAGES", nullptr),
        list("LANGUAGE", nullptr), lang("LANG", "ja_JP.UTF-8");
    host::installTranslations();
    PaneWindow pane;
    pane.window->present();
    ASSERT_TRUE(QTest::qWaitForWindowExposed(pane.window.get()));
    EXPECT_TRUE(everyTextFits(*pane.window));
    EXPECT_EQ(pane.window->findChild<QMenu*>("stationsMenu")->title(), "\u653e\u9001\u5c40(&A)");
    pane.simulator.unplug();
    EXPECT_EQ(pane.find<QLabel>("mStatusField")->text(),
              "\u9001\u4fe1\u6a5f\u3092\u63a5\u7d9a\u3057\u3066\u304f\u3060\u3055\u3044\u3002");
    EXPECT_TRUE(everyTextFits(*pane.window));
    pane.window->findChild<QAction*>("tuneTo")->trigger();
    QWidget* dialog = nullptr;
    ASSERT_TRUE(QTest::qWaitFor([&] { return (dialog = QApplication::activeModalWidget()); }));
    dialog->findChild<QLineEdit*>("entryField")->setText("88.15");
    QMetaObject::invokeMethod(dialog, "accept");
    EXPECT_EQ(dialog->findChild<QLabel*>("entryRefusal")->text(),
              "88.15 MHz \u306f 100 kHz \u523b\u307f\u3067\u306f\u3042\u308a\u307e\u305b\u3093"
              "\uff1a88.1 MHz \u304b 88.2 MHz \u306b\u3057\u3066\u304f\u3060\u3055\u3044\u3002");
    EXPECT_TRUE(everyTextFits(*dialog));
    dialog->close();
    qDeleteAll(qApp->findChildren<QTranslator*>());
}

// Closed, it saves what was tuned, and sends it at the next start; also with standard descriptors
// closed (`1>&-`), which the X connection does not take, as what is printed would corrupt it. Qt
// ends the program when the X server goes away: what was tuned just before is saved all the same,
// sooner than the pane would have saved it.
TEST(Program, SavesOnClosingAndWhenTheDisplayIsLost) {
    auto display = std::make_unique<DisplayServer>();
    const QTemporaryDir config;
    const auto saved = [&] {
        return settings::read(config.filePath(TAVRO_BUNDLE_IDENTIFIER ".plist")).stored.frequency;
    };
    SInt32 tuned = 88100;
    for (const std::vector<int>& closed : {std::vector<int>{}, {1}, {2}, {0, 1, 2}}) {
        SCOPED_TRACE(::testing::PrintToString(closed) + " closed");
        PanelRun panel(config.path(), *display, closed);
        ASSERT_TRUE(panel.shown);
        display->type({"Up"}); // taken before the close that comes after it
        display->close("USB_Tavro FM Transmitter");
        EXPECT_EQ(panel.finish().exitCode, 0);
        EXPECT_EQ(saved(), tuned += 100);
    }
    PanelRun again(config.path(), *display);
    EXPECT_EQ(again.reports("88.5 MHz stereo"), QStringList{"88.5 MHz stereo"});
    display->type({"Up"});
    EXPECT_TRUE(again.sends("88.6 MHz stereo"));
    display.reset();
    EXPECT_EQ(again.finish().exitCode, 1);
    EXPECT_EQ(saved(), 88600);
}

// usb-tavro's save just before the panel's own (due 0.3 s after a tap), or just before a signal
// ends the panel, is what the file and the panel end at: the panel never writes over it.
TEST(Program, KeepsWhatUsbTavroSavedJustBeforeItsOwnSave) {
    PanelRun panel;
    ProgramRun tool(TAVRO_CLI_PROGRAM);
    tool.env.insert("XDG_CONFIG_HOME", panel.config.path());
    const auto saved = [&] {
        return settings::read(panel.settingsPath()).stored.frequency;
    };
    ASSERT_EQ(panel.reports("88.1 MHz stereo"), QStringList{"88.1 MHz stereo"});
    for (const auto& [afterMs, tuned] : {std::pair{140, "94.0"}, {180, "95.0"}, {220, "96.0"}}) {
        DisplayServer::current().hold("Up", 20ms);
        DisplayServer::waitHandlingEvents(DisplayServer::Clock::now() + 1ms * afterMs);
        tool.run({"tune", tuned});
        EXPECT_TRUE(panel.sends(QString(tuned) + " MHz stereo")) << afterMs;
        EXPECT_EQ(saved(), std::lround(std::stod(tuned) * 1000)) << afterMs;
    }
    tool.run({"tune", "99.9"});
    panel.signal(SIGTERM);
    ASSERT_EQ(panel.finish().exitCode, 0);
    EXPECT_EQ(saved(), 99900);
}

// Typed with the keyboard: a refused entry says why under the field and sends nothing; Enter
// takes a valid one, which the pane sends.
TEST_F(PaneOnX, TuneToRefusesInlineAndSendsAValidEntry) {
    input.type({"t"}, "Control_L");
    QWidget* dialog = nullptr;
    ASSERT_TRUE(QTest::qWaitFor([&] { return (dialog = QApplication::activeModalWidget()); }));
    const auto* field = dialog->findChild<QLineEdit*>("entryField");
    EXPECT_EQ(field->text(), "88.1");
    const QSize dialogSize = dialog->size();
    const QString why = "108.5 MHz is outside the band 88.1 to 107.9 MHz.";
    input.type({"1", "0", "8", "period", "5", "Return"});
    EXPECT_TRUE(
        QTest::qWaitFor([&] { return dialog->findChild<QLabel*>("entryRefusal")->text() == why; }));
    EXPECT_EQ(field->accessibleDescription(), why);
    // A long entry (pasted, say) is quoted cut short, and the dialog keeps its size.
    const_cast<QLineEdit*>(field)->setText(QString(300, '9'));
    input.type({"Return"});
    const auto* refusal = dialog->findChild<QLabel*>("entryRefusal");
    EXPECT_TRUE(QTest::qWaitFor([&] { return refusal->text().contains(QChar(0x2026)); }));
    EXPECT_LE(refusal->heightForWidth(refusal->width()), refusal->height()); // none of it cut
    EXPECT_EQ(dialog->size(), dialogSize);
    EXPECT_EQ(pane.reports(), QStringList{"88.1 MHz stereo"});
    input.type({"9", "9", "5", "0", "0", "Return"}); // the refused entry is selected: typed over
    EXPECT_TRUE(lastReportBecomes("99.5 MHz stereo"));
    EXPECT_TRUE(QTest::qWaitFor([] { return QApplication::activeModalWidget() == nullptr; }));
    EXPECT_TRUE(QTest::qWaitFor([&] { return file().frequency == 99500; }));
}

// The band items write the style; the pane fits its frequency to the new band and sends it.
// The check marks follow the file as another program changes it.
TEST_F(PaneOnX, BandAndTuningAtPlugInAreSetFromTheMenu) {
    ASSERT_TRUE(settings::write(settingsPath(), 99500, true).saved());
    ASSERT_TRUE(lastReportBecomes("99.5 MHz stereo"));
    input.type({"t"}, "Alt_L");
    input.type({"b"});
    // The submenu opens a moment after its mnemonic; a key typed before goes to the menu above.
    const auto* bandMenu = pane.window->findChild<QMenu*>("bandMenu");
    ASSERT_TRUE(QTest::qWaitFor([&] { return bandMenu->isVisible(); }));
    input.type({"7"}); // 76.1 to 89.9 MHz
    EXPECT_TRUE(lastReportBecomes("89.9 MHz stereo"));
    // Saved as any tuning is, the frequency the band moved with it.
    EXPECT_TRUE(QTest::qWaitFor([&] { return file().style == 1 && file().frequency == 89900; }));
    EXPECT_TRUE(pane.window->findChild<QAction*>("band1")->isChecked());
    input.type({"t"}, "Alt_L");
    input.type({"p"}); // tune at plug-in, on by default: off
    EXPECT_TRUE(QTest::qWaitFor([&] { return file().applyOnPlug == false; }));
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
    input.type({"a"}, "Alt_L");
    input.type({"s"}); // Save Station…
    input.type({"h", "o", "m", "e", "Return"});
    const std::vector<settings::Station> home = {{"home", 95000, false}};
    ASSERT_TRUE(QTest::qWaitFor([&] { return file().stations == home; }));
    ASSERT_TRUE(input.activate(*pane.window)); // back from the dialog
    ASSERT_TRUE(settings::write(settingsPath(), 100000, true).saved());
    ASSERT_TRUE(lastReportBecomes("100.0 MHz stereo"));
    input.type({"a"}, "Alt_L");
    const auto hasItem = [&](const QString& inText) {
        const QList<QAction*> items = pane.window->findChildren<QAction*>();
        return std::any_of(items.begin(), items.end(),
                           [&](const QAction* inItem) { return inItem->text() == inText; });
    };
    // The name set apart from the words around it: no name can reorder them.
    EXPECT_TRUE(hasItem("\u2068home\u2069 (95.0 MHz, mono)"));
    input.type({"Escape"});
    input.type({"1"}, "Control_L");
    EXPECT_TRUE(lastReportBecomes("95.0 MHz mono"));
    // One of the other band, written by another program: recalled, it switches the band.
    ASSERT_TRUE(settings::change(settingsPath(), [](host::Dictionary& ioDict) {
                    return settings::changed(settings::saveStation(ioDict, {"tokyo", 80000, true}));
                }).saved());
    ASSERT_TRUE(QTest::qWaitFor([&] { return hasItem("\u2068tokyo\u2069 (80.0 MHz, stereo)"); }));
    input.type({"2"}, "Control_L");
    EXPECT_TRUE(lastReportBecomes("80.0 MHz stereo"));
}

// Tab moves from the dial to stereo and mono, and back. This process never asks for the server's
// detectable auto-repeat, whose repeat comes as release and press pairs that Qt does not always
// flag: a release of a key the server still holds down, unflagged, is half of such a pair and does
// not end the dial's repeat (released 0.2 s before the step due at 0.4 s, the repeat would have
// taken one step; it takes two).
TEST_F(PaneOnX, TabAndARepeatThatOnlyTheKeysOwnReleaseEnds) {
    ASSERT_EQ(QApplication::focusWidget(), pane.dial);
    input.type({"Tab", "Down"}); // in the group: from stereo to mono
    EXPECT_TRUE(lastReportBecomes("88.1 MHz mono"));
    input.type({"Tab"}, "Shift_L");
    QTest::qWait(100); // a person's pause: Qt learns of the release from a later event
    // Pressed and released within one pass of the event loop, the arrow still takes its step.
    input.hold("Up", 30ms, [](auto inUntil) { std::this_thread::sleep_until(inUntil); });
    EXPECT_TRUE(lastReportBecomes("88.2 MHz mono"));
    EXPECT_EQ(QApplication::focusWidget(), pane.dial);

    input.setKeyRepeat(0, 0); // only the release below comes between
    input.hold("Up", 600ms, [&](DisplayServer::Clock::time_point inUntil) {
        QTest::qWait(200);
        QKeyEvent unflagged(QEvent::KeyRelease, Qt::Key_Up, {}, input.keycode("Up"), 0, 0);
        QApplication::sendEvent(pane.dial, &unflagged);
        DisplayServer::waitHandlingEvents(inUntil);
    });
    EXPECT_TRUE(lastReportBecomes("88.4 MHz mono"));
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
    input.hold("Up", 600ms);
    EXPECT_TRUE(QTest::qWaitFor([&] { return releases.count > 0; }));
    QTest::qWait(100);
    EXPECT_EQ(releases.count, 1);
}

} // namespace
