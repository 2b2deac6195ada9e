// On a headless Wayland compositor, where Qt repeats a held key itself at the compositor's rate:
// the real program, and the real pane in a window of this process, driven through the
// compositor's virtual keyboard and pointer.
#include "settings/Settings.h"
#include "support/PaneWindow.h"
#include "support/PanelRun.h"
#include "support/QtPrinters.h"
#include "support/WaylandCompositor.h"

#include <QAccessible>
#include <QLabel>
#include <QRadioButton>
#include <QTest>

namespace {

using namespace std::chrono_literals;

// usb-tavro-prefs --simulate in a Wayland session, its window shown and focused.
class Panel : public PanelRun {
public:
    Panel() : PanelRun({}) {
        env.remove("DISPLAY");
        env.insert("XDG_SESSION_TYPE", "wayland");
        start({"--simulate"});
        shown = WaylandCompositor::current().waitForWindow("USB_Tavro FM Transmitter");
    }
    bool shown = false;
};

#ifdef TAVRO_KCMSHELL
// The settings application's shell opens the System Settings module on its simulated
// transmitter: the dial has the keyboard, what it tunes is saved soon after, and the shell closes
// cleanly.
TEST(Module, TunesFromTheKeyboardAndSavesSoonAfter) {
    PanelRun shell({}, TAVRO_KCMSHELL);
    shell.env.remove("DISPLAY");
    shell.env.insert("QT_PLUGIN_PATH", TAVRO_KCM_PLUGIN_PATH);
    shell.start({"kcm_usbtavro", "--args", "simulate"});
    WaylandCompositor& compositor = WaylandCompositor::current();
    ASSERT_TRUE(compositor.waitForWindow("USB Tavro"));
    ASSERT_EQ(shell.reports(), QStringList{"88.1 MHz stereo"});
    compositor.hold("Up", 30ms);
    EXPECT_EQ(shell.reports(50ms), QStringList({"88.1 MHz stereo", "88.2 MHz stereo"}));
    EXPECT_TRUE(QTest::qWaitFor(
        [&] { return settings::read(shell.settingsPath()).stored.frequency == 88200; }));
    compositor.type({"-k", "Escape"});
    EXPECT_EQ(shell.finish().exitCode, 0);
}
#endif

class KeyHold : public ::testing::TestWithParam<RepeatRate> {};

// Seven steps, due at 0, 0.4, 0.8, 0.85, 0.9, 0.95 and 1.0 s, whatever the compositor's repeat.
TEST_P(KeyHold, OfOnePointOTwoSecondsIsSevenStepsWhateverTheCompositorsRepeat) {
    WaylandCompositor& compositor = WaylandCompositor::current();
    compositor.setKeyRepeat(GetParam().delayMs, GetParam().rate);
    Panel panel;
    ASSERT_TRUE(panel.shown);
    QStringList reports = panel.reports();
    ASSERT_EQ(reports, QStringList{"88.1 MHz stereo"}); // sent on plugging in
    for (const char* key : {"Up", "Up", "Down"}) {
        const qsizetype before = reports.size();
        compositor.hold(key, 1020ms);
        reports = panel.reports(50ms);
        ASSERT_EQ(reports.size() - before, 7) << key << " after " << before << " reports";
    }
    EXPECT_EQ(reports.constLast(), "88.8 MHz stereo"); // 14 steps up, 7 down
}

INSTANTIATE_TEST_SUITE_P(Compositor, KeyHold,
                         ::testing::Values(RepeatRate{"Default", 660, 25},
                                           RepeatRate{"Fast", 200, 50}),
                         [](const auto& inInfo) { return std::string(inInfo.param.name); });

// The pane in a window of this process, which the compositor puts at the top left.
class PaneOnWayland : public PaneOn<WaylandCompositor> {
protected:
    void SetUp() override {
        ASSERT_NE(pane.window, nullptr);
        pane.window->present();
        ASSERT_TRUE(QTest::qWaitForWindowExposed(pane.window.get()));
        // Shown, the window is not yet the compositor's: it takes input once the pointer, left
        // where the window comes, enters it.
        moveTo(pane.aroundDial(0, 0));
        ASSERT_TRUE(QTest::qWaitFor([&] { return pane.window->underMouse(); }));
    }
    void ctrlP() { input.type({"-M", "ctrl", "-k", "p", "-m", "ctrl"}); }
};

TEST_F(PaneOnWayland, AClickOnMonoAndADragRoundTheDialTune) {
    const auto* mono = pane.find<QRadioButton>("monoCell");
    moveTo(mono->mapTo(pane.window.get(), QPoint(8, mono->height() / 2)));
    input.button(true);
    input.button(false);
    EXPECT_TRUE(QTest::qWaitFor([&] { return reports().constLast() == "88.1 MHz mono"; }));
    drag(150.5);
    EXPECT_EQ(reports().constLast(), "98.0 MHz mono");
}

TEST_F(PaneOnWayland, TheWheelStepsANotchAStep) { // over the dial's centre
    for (const int notch : {1, 1, 1, -1}) {       // as a person turns it: one notch, then the next
        input.wheel(notch);
        QTest::qWait(50);
    }
    EXPECT_TRUE(QTest::qWaitFor([&] { return reports().size() == 5; }));
    EXPECT_EQ(reports().mid(1), QStringList({"88.2 MHz stereo", "88.3 MHz stereo",
                                             "88.4 MHz stereo", "88.3 MHz stereo"}));
}

TEST_F(PaneOnWayland, CtrlPUnplugsThenPlugsInAndSendsThePanesSettings) {
    ctrlP();
    ASSERT_TRUE(QTest::qWaitFor(
        [&] { return pane.find<QLabel>("mHWVersField")->text() == "Hardware version: unknown"; }));
    const qsizetype sent = reports().size();
    input.hold("Up", 30ms); // steps the dial, tells nobody
    EXPECT_TRUE(QTest::qWaitFor([&] {
        return QAccessible::queryAccessibleInterface(pane.dial)->valueInterface()->currentValue() ==
               88200;
    }));
    EXPECT_EQ(reports().size(), sent);

    ctrlP();
    EXPECT_TRUE(QTest::qWaitFor([&] { return reports().size() == sent + 1; }));
    EXPECT_EQ(reports().constLast(), "88.1 MHz stereo");
}

} // namespace
