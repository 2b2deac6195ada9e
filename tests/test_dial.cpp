// The tuning dial: its band and frequency, the mouse, the keys on a clock the test moves, the
// scroll wheel, what it draws, what the screen shows and what a screen reader is told.
#include "dial/xr_tunerCtl.h"
#include "dial/xr_tunerLayout.h"
#include "host/Snapshot.h"
#include "support/FakeTiming.h"
#include "support/Pictures.h"

#include <QAccessible>
#include <QApplication>
#include <QKeyEvent>
#include <QScreen>
#include <QTest>

#include <gtest/gtest.h>

#include <cmath>

namespace {

// Records the frequency the dial holds when each action arrives.
class Target : public QObject {
    Q_OBJECT
public:
    Q_INVOKABLE void handleFreqWheel(QObject* inSender) {
        steps.push_back(qobject_cast<xr_tunerCtl*>(inSender)->frequency());
    }
    std::vector<SInt32> steps;
};

// What the dial passes on to its superview.
struct Base : QWidget {
    void keyPressEvent(QKeyEvent* inEvent) override { keys.push_back(inEvent->key()); }
    std::vector<int> keys;
};

host::Point around(double inDegrees, double inRadius = 40.0) {
    const double radians = inDegrees * 3.141592653589793 / 180.0;
    return {static_cast<Float32>(sCenterPt.x + inRadius * std::sin(radians)),
            static_cast<Float32>(sCenterPt.y + inRadius * std::cos(radians))};
}

class Dial : public ::testing::Test {
protected:
    void SetUp() override {
        dial = new xr_tunerCtl(&base);
        dial->resize(dial->sizeHint());
        base.resize(dial->size()); // window coordinates are the dial's own
        dial->setTiming(timing);
        dial->setWheelTarget(&target, host::Selector("handleFreqWheel"));
        dial->setConnected(true);
    }
    void drag(const std::vector<double>& inDegrees) {
        dial->mouseDown(host::Event::mouse(around(*inDegrees.begin())));
        for (auto d = inDegrees.begin() + 1; d != inDegrees.end(); ++d) {
            dial->mouseDragged(host::Event::mouse(around(*d)));
        }
    }
    void key(QEvent::Type inType, int inKey, Qt::KeyboardModifiers inModifiers = {},
             quint32 inNative = 0, bool inRepeat = false) {
        QKeyEvent event(inType, inKey, inModifiers, 0, 0, inNative, {}, inRepeat);
        QApplication::sendEvent(dial, &event);
    }
    void hold(int inKey, double inSeconds, Qt::KeyboardModifiers inModifiers = {},
              quint32 inNative = 0) {
        const double start = timing.elapsed();
        key(QEvent::KeyPress, inKey, inModifiers, inNative);
        timing.runUntil(start + inSeconds);
        key(QEvent::KeyRelease, inKey, inModifiers, inNative);
        timing.runUntil(start + inSeconds + 2.0);
    }
    void wheel(double inNotches) {
        dial->scrollWheel(host::Event::scrollWheel(sCenterPt, static_cast<Float32>(inNotches)));
    }
    std::size_t actions() const { return target.steps.size(); }

    FakeTiming timing;
    Target target;
    Base base;
    xr_tunerCtl* dial = nullptr;
};

// The band by style (others keep the band), the frequency kept inside it, the knob from both.
TEST_F(Dial, KeepsTheFrequencyInsideTheBandOfItsStyle) {
    // clang-format off
    const std::tuple<SInt32, SInt32, SInt32, Float32> cases[] = {
        {0, 0, 88100, 0.0f}, {0, 200000, 107900, 1.0f}, {0, 100050, 100050, 0.60353535f},
        {1, 100000, 89900, 1.0f}, {1, 76100, 76100, 0.0f}, {7, 80000, 80000, 0.28260869f}};
    // clang-format on
    for (const auto& [style, frequency, shown, percent] : cases) {
        dial->setTuningStyle(style);
        dial->setFrequency(frequency);
        EXPECT_EQ(dial->frequency(), shown) << style << " " << frequency;
        EXPECT_FLOAT_EQ(dial->wheelPercent(), percent) << style << " " << frequency;
    }
    EXPECT_EQ(dial->tuningStyle(), 7);
}

// The knob turns as the pointer turns about the centre, the short way across north, in whole
// 100 kHz steps, up to its end stops; each move sends the action. The hit circle takes its edge.
TEST_F(Dial, DragTurnsTheKnobWithThePointer) {
    EXPECT_EQ(dial->hitTest({68.0f, 75.0f + 64.0f}), dial);
    EXPECT_EQ(dial->hitTest({68.0f, 75.0f + 64.01f}), nullptr);
    // Exactly 270 degrees is no unwrapping.
    // clang-format off
    const std::tuple<std::vector<double>, SInt32, SInt32, Float32, std::size_t> cases[] = {
        {{0, 150}, 88100, 98000, 0.5f, 1}, {{0, 10}, 88100, 88700, 1.0f / 30.0f, 1},
        {{350, 10}, 98000, 99300, 0.5f + 20.0f / 300.0f, 1}, {{0, 270}, 89090, 106900, 0.95f, 1},
        {{10, 350}, 98000, 96600, 0.5f - 20.0f / 300.0f, 1},
        {{0, 150, 300, 330}, 88100, 107900, 1.0f, 2}};
    // clang-format on
    for (const auto& [degrees, from, frequency, percent, sent] : cases) {
        dial->setFrequency(from);
        const std::size_t before = actions();
        drag(degrees);
        EXPECT_EQ(dial->frequency(), frequency) << from;
        EXPECT_NEAR(dial->wheelPercent(), percent, 1e-5) << from;
        EXPECT_EQ(target.steps.back(), dial->frequency());
        EXPECT_EQ(actions(), before + sent) << from;
    }
    const std::size_t sent = actions();
    dial->setConnected(false);
    drag({0, 90});
    EXPECT_EQ(dial->frequency(), 107900);
    EXPECT_EQ(actions(), sent);
}

// The window system's own repeats, flagged or not, and other presses while one is held, change
// nothing; losing focus ends the repeat. A press and its release before the first step came due
// still step once. (The cadence of a held key: the window tests, on each window system.)
TEST_F(Dial, RepeatIgnoresTheSystemsRepeatsAndEndsWithTheFocusAndAQuickPressStepsOnce) {
    key(QEvent::KeyPress, Qt::Key_Up);
    timing.runUntil(0.3);
    key(QEvent::KeyRelease, Qt::Key_Up, {}, 0, true);
    key(QEvent::KeyPress, Qt::Key_Up, {}, 0, true);
    key(QEvent::KeyPress, Qt::Key_Down);
    timing.runUntil(1.02);
    EXPECT_EQ(actions(), 7u);
    dial->resignFirstResponder();
    timing.runUntil(3.0);
    EXPECT_EQ(actions(), 7u);
    dial->setFrequency(88100);
    key(QEvent::KeyPress, Qt::Key_Down);
    key(QEvent::KeyRelease, Qt::Key_Down);
    timing.runUntil(4.0);
    EXPECT_EQ(dial->frequency(), 107900);
    EXPECT_EQ(actions(), 8u);
}

// An arrow past a band's end jumps to the other end; disconnected, it tunes the dial and tells
// nobody. An arrow with a modifier or Caps Lock (0x2: X11's), and other keys, go to the base view.
TEST_F(Dial, ArrowsStepAcrossTheBandsEndsAndOtherKeysGoToTheBaseView) {
    const int up = Qt::Key_Up, down = Qt::Key_Down;
    // clang-format off
    const std::tuple<SInt32, SInt32, int, Qt::KeyboardModifiers, quint32, SInt32> cases[] = {
        {0, 107800, up, {}, 0, 107900}, {0, 107900, up, {}, 0, 88100},
        {0, 88100, down, {}, 0, 107900}, {1, 89900, up, {}, 0, 76100},
        {1, 76100, down, {}, 0, 89900}, {0, 88150, up, {}, 0, 88250},
        {0, 88100, up, Qt::ShiftModifier, 0, 88100}, {0, 88100, up, Qt::ControlModifier, 0, 88100},
        {0, 88100, up, Qt::AltModifier, 0, 88100}, {0, 88100, up, Qt::MetaModifier, 0, 88100},
        {0, 88100, up, {}, 0x2, 88100}, {0, 88100, Qt::Key_Left, {}, 0, 88100}};
    // clang-format on
    for (const auto& [style, from, pressed, modifiers, native, to] : cases) {
        dial->setTuningStyle(style);
        dial->setFrequency(from);
        const std::size_t sent = actions();
        base.keys.clear();
        hold(pressed, 0.1, modifiers, native);
        EXPECT_EQ(dial->frequency(), to) << from << " " << modifiers.toInt() << " " << native;
        EXPECT_EQ(actions(), sent + (to != from));
        EXPECT_EQ(base.keys, to == from ? std::vector{pressed} : std::vector<int>{});
    }
    const std::size_t sent = actions();
    dial->setConnected(false);
    hold(up, 0.1);
    EXPECT_EQ(dial->frequency(), 88200);
    EXPECT_EQ(actions(), sent);
}

// One step a notch, fractions added up, no wrap at the ends, nothing while disconnected.
TEST_F(Dial, ScrollWheelStepsByNotchesUpToTheBandsEnds) {
    for (const double notches : {1.0, 0.5, 0.5}) {
        wheel(notches);
    }
    EXPECT_EQ(dial->frequency(), 88300);
    EXPECT_EQ(actions(), 2u);
    wheel(-3.0);
    EXPECT_EQ(dial->frequency(), 88100);
    dial->setFrequency(107800);
    wheel(5.0);
    wheel(1.0); // at the end: nothing to send
    EXPECT_EQ(dial->frequency(), 107900);
    dial->setConnected(false);
    wheel(-1.0);
    EXPECT_EQ(dial->frequency(), 107900);
    EXPECT_EQ(actions(), 4u);
}

// What the dial draws, against its pictures (tests/data; after a deliberate change to the
// drawing, TAVRO_WRITE_PICTURES=1 writes them anew): at 101.5 MHz, at two pixels a point, with its
// focus ring; and disconnected. Its drawing leaves no painter state behind, which Qt would warn of.
TEST_F(Dial, DrawsAsItsPictures) {
    static QStringList warnings;
    const QtMessageHandler before = qInstallMessageHandler(
        [](QtMsgType, const QMessageLogContext&, const QString& inText) { warnings << inText; });
    dial->finishInitWithBundle(host::Bundle(TAVRO_BUNDLE_PATH));
    dial->setFrequency(101500);
    dial->becomeFirstResponder();
    for (const auto& [scale, name] :
         {std::pair{2.0, "dial-101.5-focused@2x.png"}, std::pair{1.0, "dial-disconnected.png"}}) {
        const QString picture = QString(TAVRO_TEST_DATA) + "/" + name;
        const QImage drawn = host::snapshot(*dial, scale, host::Backdrop::Transparent);
        if (qEnvironmentVariableIsSet("TAVRO_WRITE_PICTURES")) {
            drawn.convertToFormat(QImage::Format_ARGB32).save(picture);
        }
        EXPECT_TRUE(isPicture(drawn, picture));
        dial->setConnected(false);
        dial->resignFirstResponder();
    }
    qInstallMessageHandler(before);
    EXPECT_TRUE(warnings.isEmpty()) << warnings.join('\n').toStdString();
}

// What the screen shows follows the connection alone, as it follows every other change.
TEST_F(Dial, ScreenShowsTheDashesOnceDisconnected) {
    dial->setParent(nullptr);
    dial->finishInitWithBundle(host::Bundle(TAVRO_BUNDLE_PATH));
    dial->show();
    ASSERT_TRUE(QTest::qWaitForWindowExposed(dial));
    dial->setConnected(false);
    QTest::qWait(50);
    EXPECT_EQ(dial->screen()
                  ->grabWindow(dial->winId())
                  .toImage()
                  .convertToFormat(QImage::Format_ARGB32_Premultiplied),
              host::snapshot(*dial, 1.0, host::Backdrop::Window));
    delete dial;
}

// The value as spoken; a value set there while disconnected tunes and tells nobody. (Role, name
// and range are heard through AT-SPI in test_session.py.)
TEST_F(Dial, TellsAssistiveTechnologyTheFrequency) {
    QAccessibleInterface* accessible = QAccessible::queryAccessibleInterface(dial);
    EXPECT_EQ(accessible->text(QAccessible::Value), "88.1 MHz");
    dial->setConnected(false);
    EXPECT_EQ(accessible->text(QAccessible::Value), "no transmitter");
    accessible->valueInterface()->setCurrentValue(100000.0);
    EXPECT_EQ(dial->frequency(), 100000);
    EXPECT_EQ(actions(), 0u);
}

} // namespace

#include "test_dial.moc"
