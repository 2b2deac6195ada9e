// Keyboard tuning and focus, on a clock the test moves by hand (and once on the real one).
#include "support/DialProbe.h"
#include "support/FakeTiming.h"

#include <QApplication>
#include <QElapsedTimer>
#include <QEventLoop>
#include <QKeyEvent>
#include <QTest>
#include <QTimer>

#include <gtest/gtest.h>

#include <utility>
#include <vector>

namespace {

// Records when each step reached the target, and at which frequency.
class StepRecorder : public QObject {
    Q_OBJECT
public:
    explicit StepRecorder(const FakeTiming* inTiming = nullptr) : mTiming(inTiming) {}
    Q_INVOKABLE void handleFreqWheel(QObject* inSender) {
        const double t = mTiming != nullptr ? mTiming->elapsed() : 0.0;
        steps.emplace_back(t, qobject_cast<xr_tunerCtl*>(inSender)->frequency());
    }
    std::vector<std::pair<double, SInt32>> steps;

private:
    const FakeTiming* mTiming;
};

// Stands for the base view: receives what the dial passes on.
class BaseView : public QWidget {
public:
    std::vector<int> presses;
    std::vector<int> releases;

protected:
    void keyPressEvent(QKeyEvent* inEvent) override { presses.push_back(inEvent->key()); }
    void keyReleaseEvent(QKeyEvent* inEvent) override { releases.push_back(inEvent->key()); }
};

constexpr quint32 sCapsLockNative = 0x2;

class Keys : public ::testing::Test {
protected:
    void SetUp() override {
        dial = new ProbeDial(&base);
        dial->setTiming(timing);
        dial->setWheelTarget(&target, host::Selector("handleFreqWheel"));
        dial->setConnected(true);
    }

    void send(QEvent::Type inType, int inKey, Qt::KeyboardModifiers inModifiers = {},
              bool inAutoRepeat = false, quint32 inNativeModifiers = 0, QString inText = {}) {
        QKeyEvent event(inType, inKey, inModifiers, 0, 0, inNativeModifiers, inText, inAutoRepeat);
        QApplication::sendEvent(dial, &event);
    }
    void press(int inKey, Qt::KeyboardModifiers inModifiers = {}) {
        send(QEvent::KeyPress, inKey, inModifiers);
    }
    void release(int inKey, Qt::KeyboardModifiers inModifiers = {}) {
        send(QEvent::KeyRelease, inKey, inModifiers);
    }
    // Presses inKey at the clock's current time and releases it inSeconds later.
    void hold(int inKey, double inSeconds) {
        const double start = timing.elapsed();
        press(inKey);
        timing.runUntil(start + inSeconds);
        release(inKey);
    }

    BaseView base;
    ProbeDial* dial = nullptr;
    FakeTiming timing;
    StepRecorder target{&timing};
};

struct WrapCase {
    SInt32 style;
    SInt32 from;
    int key;
    SInt32 to;
};

TEST_F(Keys, StepPastABandEndJumpsToTheOtherEnd) {
    const WrapCase cases[] = {{0, 107900, Qt::Key_Up, 88100},
                              {0, 88100, Qt::Key_Down, 107900},
                              {1, 89900, Qt::Key_Up, 76100},
                              {1, 76100, Qt::Key_Down, 89900},
                              {0, 107850, Qt::Key_Up, 88100}};
    for (const WrapCase& c : cases) {
        dial->setTuningStyle(c.style);
        dial->setFrequency(c.from);
        hold(c.key, 0.1);
        EXPECT_EQ(dial->frequency(), c.to) << c.from;
    }
}

TEST_F(Keys, ReleaseBeforeTheSecondStepGivesExactlyOneStep) {
    hold(Qt::Key_Up, 0.39);
    timing.runUntil(5.0);
    EXPECT_EQ(dial->frequency(), 88200);
    EXPECT_EQ(target.steps.size(), 1u);
}

// Steps fall due at 0, 0.4, 0.8 and then every 0.05 s after the key went down, each no more than
// a timer tick late.
TEST_F(Keys, HeldArrowAcceleratesOnItsOwnCadence) {
    hold(Qt::Key_Up, 1.02);
    timing.runUntil(5.0);
    const double due[] = {0.0, 0.4, 0.8, 0.85, 0.9, 0.95, 1.0};
    ASSERT_EQ(target.steps.size(), std::size(due));
    for (std::size_t i = 0; i < std::size(due); ++i) {
        EXPECT_GE(target.steps[i].first, due[i] - 1e-9) << i;
        EXPECT_LE(target.steps[i].first, due[i] + 0.002) << i;
        EXPECT_EQ(target.steps[i].second, 88100 + 100 * static_cast<SInt32>(i + 1));
    }
}

TEST_F(Keys, PressingAgainBeforeTheNextDuePointStepsOnceAndKeepsOneChain) {
    hold(Qt::Key_Up, 0.1);
    timing.runUntil(0.2);
    hold(Qt::Key_Up, 0.45); // down at 0.2, up at 0.65; the first press's 0.4 call finds nothing due
    ASSERT_EQ(target.steps.size(), 3u);
    EXPECT_NEAR(target.steps[1].first, 0.2, 1e-9);
    EXPECT_NEAR(target.steps[2].first, 0.6, 0.002);

    // A third press at 0.65 runs one cadence from there: steps at +0, +0.4, +0.8, then every
    // 0.05 s up to +2.30 — nothing doubled by the calls the earlier presses left behind.
    press(Qt::Key_Up);
    timing.runUntil(0.65 + 2.33);
    EXPECT_EQ(target.steps.size(), 3u + 3u + 30u);
    EXPECT_EQ(timing.pending(), 1u);
}

TEST_F(Keys, OtherArrowWhileHeldIsDroppedAndItsReleaseEndsTheRepeat) {
    press(Qt::Key_Up);
    timing.runUntil(0.1);
    press(Qt::Key_Down);
    timing.runUntil(0.2);
    release(Qt::Key_Down);
    timing.runUntil(3.0);
    EXPECT_EQ(dial->frequency(), 88200);
    EXPECT_TRUE(base.presses.empty());
    EXPECT_TRUE(base.releases.empty());
}

struct ModifierCase {
    const char* name;
    Qt::KeyboardModifiers modifiers;
    quint32 native;
};

TEST_F(Keys, ArrowWithAModifierOrCapsLockGoesToTheBaseView) {
    const ModifierCase cases[] = {{"shift", Qt::ShiftModifier, 0},
                                  {"control", Qt::ControlModifier, 0},
                                  {"option", Qt::AltModifier, 0},
                                  {"command", Qt::MetaModifier, 0},
                                  {"caps lock", {}, sCapsLockNative}};
    for (const ModifierCase& c : cases) {
        base.presses.clear();
        base.releases.clear();
        send(QEvent::KeyPress, Qt::Key_Up, c.modifiers, false, c.native);
        timing.runUntil(timing.elapsed() + 1.0);
        send(QEvent::KeyRelease, Qt::Key_Up, c.modifiers, false, c.native);
        EXPECT_EQ(dial->frequency(), 88100) << c.name;
        EXPECT_EQ(base.presses, std::vector<int>{Qt::Key_Up}) << c.name;
        EXPECT_EQ(base.releases, std::vector<int>{Qt::Key_Up}) << c.name;
    }
}

TEST_F(Keys, OtherKeysReachTheBaseViewOncePerPress) {
    for (int key : {int(Qt::Key_Left), int(Qt::Key_Right), int(Qt::Key_A)}) {
        base.presses.clear();
        send(QEvent::KeyPress, key, {}, false, 0, key == Qt::Key_A ? "a" : "");
        for (int i = 0; i < 3; ++i) {
            send(QEvent::KeyPress, key, {}, true, 0, key == Qt::Key_A ? "a" : ""); // system repeats
        }
        send(QEvent::KeyRelease, key);
        EXPECT_EQ(base.presses, std::vector<int>{key});
    }
    timing.runUntil(2.0);
    EXPECT_EQ(dial->frequency(), 88100);
}

// A dead key produces no characters; it is not a tuning key.
TEST_F(Keys, EmptyCharacterStringIsNotTheDials) {
    send(QEvent::KeyPress, Qt::Key_Dead_Acute);
    EXPECT_EQ(base.presses, std::vector<int>{Qt::Key_Dead_Acute});
    dial->keyDown(host::Event::key(u""));
    timing.runUntil(2.0);
    EXPECT_EQ(dial->frequency(), 88100);
    EXPECT_EQ(timing.pending(), 0u);
}

TEST_F(Keys, OffGridFrequencyStaysOffGridUntilAWrap) {
    dial->setFrequency(88150);
    hold(Qt::Key_Up, 0.45);
    EXPECT_EQ(dial->frequency(), 88350);
    dial->setFrequency(107850);
    hold(Qt::Key_Up, 0.1);
    EXPECT_EQ(dial->frequency(), 88100);
}

TEST_F(Keys, StepsSendTheActionOnlyWhileConnected) {
    hold(Qt::Key_Down, 0.1);
    ASSERT_EQ(target.steps.size(), 1u);
    EXPECT_EQ(target.steps[0].second, 107900);

    dial->setConnected(false);
    hold(Qt::Key_Down, 0.1);
    EXPECT_EQ(dial->frequency(), 107800);
    EXPECT_EQ(target.steps.size(), 1u);
}

TEST_F(Keys, LateCallTakesOneStepAndEarlyCallEndsItsChain) {
    press(Qt::Key_Up);
    timing.runUntil(0.0);  // first step
    dial->doTune(nullptr); // early: nothing due, nothing scheduled
    EXPECT_EQ(timing.pending(), 1u);
    timing.stallUntil(1.32); // the event loop was busy past many due points
    timing.runUntil(1.32);
    EXPECT_EQ(target.steps.size(), 2u);
    timing.runUntil(1.36);
    EXPECT_EQ(target.steps.size(), 3u);
    EXPECT_NEAR(target.steps[2].first, 1.35, 0.002);
    release(Qt::Key_Up);
}

// Losing focus, or releasing the arrow with a modifier held, ends the repeat: the release that
// would have ended it may never reach the dial.
TEST_F(Keys, RepeatEndsWhenFocusLeavesOrTheArrowIsReleasedWithAModifier) {
    press(Qt::Key_Up);
    timing.runUntil(0.1);
    dial->resignFirstResponder();
    timing.runUntil(2.0);
    EXPECT_EQ(target.steps.size(), 1u);
    press(Qt::Key_Up); // the latch went with the focus
    timing.runUntil(2.1);
    EXPECT_EQ(target.steps.size(), 2u);
    dial->becomeFirstResponder();

    release(Qt::Key_Up, Qt::ShiftModifier);
    EXPECT_EQ(base.releases, std::vector<int>{Qt::Key_Up});
    timing.runUntil(5.0);
    EXPECT_EQ(target.steps.size(), 2u);
}

TEST_F(Keys, FocusChangesRedrawInEveryRepeatState) {
    EXPECT_TRUE(dial->acceptsFirstResponder());
    dial->redraws = 0;
    EXPECT_TRUE(dial->becomeFirstResponder());
    EXPECT_EQ(dial->redraws, 1);
    press(Qt::Key_Up);
    timing.runUntil(0.0);
    dial->redraws = 0;
    EXPECT_TRUE(dial->resignFirstResponder());
    EXPECT_GE(dial->redraws, 1);
    dial->redraws = 0;
    dial->becomeFirstResponder();
    EXPECT_EQ(dial->redraws, 1);
}

// Focus and keys through the window, as the user gives them.
TEST(KeysInWindow, FocusedDialTakesArrowKeysFromTheWindow) {
    QWidget window;
    auto* other = new QWidget(&window);
    other->setFocusPolicy(Qt::StrongFocus);
    auto* dial = new ProbeDial(&window);
    dial->move(0, 20);
    FakeTiming timing;
    dial->setTiming(timing);
    window.show();
    QApplication::setActiveWindow(&window);
    ASSERT_TRUE(QTest::qWaitForWindowActive(&window));

    other->setFocus();
    dial->redraws = 0;
    dial->setFocus();
    EXPECT_EQ(dial->redraws, 1);
    QTest::keyPress(window.windowHandle(), Qt::Key_Down);
    timing.runUntil(0.1);
    QTest::keyRelease(window.windowHandle(), Qt::Key_Down);
    EXPECT_EQ(dial->frequency(), 107900);

    dial->redraws = 0;
    other->setFocus();
    EXPECT_EQ(dial->redraws, 1);
}

// The product's own clock and timers: a hold of 1.02 s is seven steps, every time.
TEST(KeysRealTime, HoldingForOnePointOTwoSecondsGivesSevenSteps) {
    xr_tunerCtl dial;
    StepRecorder target;
    dial.setWheelTarget(&target, host::Selector("handleFreqWheel"));
    dial.setConnected(true);
    for (int run = 0; run < 20; ++run) {
        target.steps.clear();
        QEventLoop loop;
        dial.keyDown(host::Event::key(std::u16string(1, host::kUpArrowFunctionKey)));
        QTimer::singleShot(1020, Qt::PreciseTimer, &loop, [&] {
            dial.keyUp(host::Event::key(std::u16string(1, host::kUpArrowFunctionKey)));
            loop.quit();
        });
        loop.exec();
        EXPECT_EQ(target.steps.size(), 7u) << "run " << run;
    }
}

} // namespace

#include "test_dial_keys.moc"
