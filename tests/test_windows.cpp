// The same cases on each window system of the test's own, with real input: an X server with its
// own key repeat, and a Wayland compositor, where Qt repeats a held key itself. The real program,
// and the real pane in a window of this process.
#include "settings/Settings.h"
#include "support/PaneWindow.h"
#include "support/PanelRun.h"
#include "support/QtPrinters.h"

#include <QAccessible>
#include <QLabel>
#include <QRadioButton>
#include <QTest>

#include <string>
#include <tuple>

#ifdef TAVRO_WAYLAND
// A full unwind, so that a leak's stack reaches the library it comes from (see lsan.supp).
extern "C" __attribute__((used)) const char* __asan_default_options() {
    return "fast_unwind_on_malloc=0";
}
#endif

namespace {

using namespace std::chrono_literals;
using Clock = DisplayServer::Clock;

#ifdef TAVRO_WAYLAND
#define PANE_ON PaneOnWayland
constexpr const char* sServer = "Compositor";
constexpr bool sScreenGrabs = false; // a client sees no other's pixels
#else
#define PANE_ON PaneOnX
constexpr const char* sServer = "Server";
constexpr bool sScreenGrabs = true;
#endif
using PANE_ON = PaneOn;

// When a held arrow's steps are due after the press: at once, 0.4 and 0.8 s, then every 0.05 s.
double due(std::size_t inStep) {
    return inStep < 3 ? 0.4 * static_cast<double>(inStep)
                      : 0.8 + 0.05 * static_cast<double>(inStep - 2);
}

// A keyboard's repeat as a desktop sets it: its name, the first repeat after a delay in
// milliseconds, then a rate a second.
class KeyHold : public ::testing::TestWithParam<std::tuple<std::string, unsigned, unsigned>> {};

// Each step comes at its due point, whatever the window system's own repeat: never before it,
// counted from a moment no later than the press, and within 0.1 s after it, counted from the
// first step (a busy machine delays a step by tens of milliseconds, a wrong delay of the cadence
// puts steps off by more within a hold). Each release falls mid-way between two due points: all
// steps before it come, and none after; but a busy machine may move a step or the release across
// the 25 ms between them in the fast repeat, unlike the 0.2 s of the slow one.
TEST_P(KeyHold, StepsFollowTheDialsCadenceWhateverTheSystemsRepeat) {
    DisplayServer& server = DisplayServer::current();
    server.setKeyRepeat(std::get<1>(GetParam()), std::get<2>(GetParam()));
    PanelRun panel;
    ASSERT_TRUE(panel.shown);
    ASSERT_EQ(panel.reports("88.1 MHz stereo"), QStringList{"88.1 MHz stereo"}); // at plug-in
    std::size_t up = 0;
    for (const auto& [key, length, slack] : {std::tuple{"Up", 2025ms, 1.0}, {"Down", 600ms, 0.0}}) {
        const std::size_t before = panel.arrivals.size();
        const auto pressed =
            server.hold(key, length, [&](Clock::time_point inUntil) { panel.readUntil(inUntil); });
        panel.readUntil(Clock::now() + 250ms);
        const std::vector steps(panel.arrivals.begin() + static_cast<std::ptrdiff_t>(before),
                                panel.arrivals.end());
        std::string seen, early, late; // every step's time from the press, the steps out of time
        for (std::size_t i = 0; i < steps.size(); ++i) {
            const std::chrono::duration<double> fromPress = steps[i] - pressed,
                                                fromFirst = steps[i] - steps[0];
            seen += " " + std::to_string(fromPress.count());
            early += fromPress.count() < due(i) ? " " + std::to_string(i) : "";
            late += fromFirst.count() > due(i) + 0.1 ? " " + std::to_string(i) : "";
        }
        const std::string why = key + (", steps at" + seen) + " s";
        // The hold as the panel saw it: from the press it took, when its first step comes, to the
        // release. A busy machine hands the press over late (a tenth of a second has been seen).
        const double taken =
            steps.empty() ? 0.0 : std::chrono::duration<double>(steps[0] - pressed).count();
        EXPECT_LT(taken, 0.25) << why;
        std::size_t count = 0;
        while (due(count) <= std::chrono::duration<double>(length).count() - taken) {
            ++count;
        }
        EXPECT_NEAR(static_cast<double>(steps.size()), static_cast<double>(count), slack) << why;
        EXPECT_EQ(early, "") << "before they were due, " << why;
        EXPECT_EQ(late, "") << "late, " << why;
        up = up == 0 ? steps.size() : up;
    }
    EXPECT_EQ(panel.reports().constLast(),
              QString::number(88.1 + 0.1 * static_cast<double>(up - 2), 'f', 1) + " MHz stereo");
}

INSTANTIATE_TEST_SUITE_P(Held, KeyHold,
                         ::testing::Values(std::tuple{std::string("Default"), 660u, 25u},
                                           std::tuple{std::string("Fast"), 200u, 50u},
                                           std::tuple{std::string("Slow"), 300u, 10u}),
                         [](const auto& inInfo) { return sServer + std::get<0>(inInfo.param); });

// A click on Mono and a drag of 150 degrees tune the transmitter, and focus goes with them; a
// drag with another button is not the dial's. The wheel over the dial's centre, as a person turns
// it, steps a notch a step.
TEST_F(PANE_ON, ClicksDragsAndTheWheelTuneAndTakeTheFocus) {
    const auto* mono = pane.find<QRadioButton>("monoCell");
    moveTo(mono->mapTo(pane.window.get(), QPoint(8, mono->height() / 2)));
    input.button(true);
    input.button(false);
    EXPECT_TRUE(lastReportBecomes("88.1 MHz mono"));
    EXPECT_EQ(QApplication::focusWidget(), mono);
    drag(150.5, 2u);
    EXPECT_EQ(QApplication::focusWidget(), mono);
    EXPECT_EQ(pane.reports().size(), 2);
    drag(150.5);
    EXPECT_TRUE(lastReportBecomes("98.0 MHz mono"));
    EXPECT_EQ(QApplication::focusWidget(), pane.dial);

    const qsizetype before = pane.reports().size();
    moveTo(pane.aroundDial(0, 0));
    for (const int notch : {1, 1, 1, -1}) {
        input.wheel(notch);
        QTest::qWait(50);
    }
    EXPECT_TRUE(QTest::qWaitFor([&] { return pane.reports().size() == before + 4; }));
    EXPECT_EQ(pane.reports().mid(before),
              QStringList({"98.1 MHz mono", "98.2 MHz mono", "98.3 MHz mono", "98.2 MHz mono"}));
}

// Ctrl+P, the Device menu's shortcut, unplugs: dashes, and the dial steps but tells nobody; again,
// it plugs in and sends the pane's own settings. The window keeps its size throughout.
TEST_F(PANE_ON, CtrlPUnplugsThenPlugsInAndSendsThePanesSettings) {
    const auto dialValue = [&] {
        return QAccessible::queryAccessibleInterface(pane.dial)->valueInterface()->currentValue();
    };
    input.type({"p"}, "Control_L");
    ASSERT_TRUE(QTest::qWaitFor(
        [&] { return pane.find<QLabel>("mHWVersField")->text() == "Hardware version: unknown"; }));
    EXPECT_TRUE(!sScreenGrabs || screenShowsTheDial()); // dashes
    const qsizetype sent = pane.reports().size();
    drag(90);
    input.hold("Up", 30ms);
    EXPECT_TRUE(QTest::qWaitFor([&] { return dialValue() == 88200; }));
    EXPECT_EQ(pane.reports().size(), sent);
    EXPECT_EQ(pane.window->size(), size);

    input.type({"p"}, "Control_L");
    EXPECT_TRUE(QTest::qWaitFor([&] { return pane.reports().size() == sent + 1; }));
    EXPECT_EQ(pane.reports().constLast(), "88.1 MHz stereo");
    EXPECT_EQ(dialValue(), 88100);
    EXPECT_TRUE(!sScreenGrabs || screenShowsTheDial());
    EXPECT_EQ(pane.window->size(), size);
}

#if defined(TAVRO_WAYLAND) && defined(TAVRO_KCMSHELL)
// The settings application's shell opens the System Settings module on its simulated
// transmitter: the dial has the keyboard, what it tunes is saved soon after, and the shell closes
// cleanly.
TEST(Module, TunesFromTheKeyboardAndSavesSoonAfter) {
    DisplayServer& compositor = DisplayServer::current();
    PanelRun shell({}, compositor, {},
                   {TAVRO_KCMSHELL,
                    {"kcm_usbtavro", "--args", "simulate"},
                    "USB Tavro",
                    {"QT_PLUGIN_PATH=" TAVRO_KCM_PLUGIN_PATH}});
    ASSERT_TRUE(shell.shown);
    ASSERT_TRUE(shell.sends("88.1 MHz stereo"));
    compositor.hold("Up", 30ms);
    EXPECT_TRUE(shell.sends("88.2 MHz stereo"));
    EXPECT_TRUE(QTest::qWaitFor(
        [&] { return settings::read(shell.settingsPath()).stored.frequency == 88200; }));
    compositor.type({"Escape"});
    EXPECT_EQ(shell.finish().exitCode, 0);
}
#endif

} // namespace
