// The dial inside a window, driven through Qt's own event delivery.
#include "dial/xr_tunerLayout.h"
#include "support/DialProbe.h"

#include <QApplication>
#include <QLineEdit>
#include <QPushButton>
#include <QSignalSpy>
#include <QTest>
#include <QWidget>
#include <QWindow>

#include <gtest/gtest.h>

namespace {

class DialInWindow : public ::testing::Test {
protected:
    void SetUp() override {
        window.resize(300, 300);
        // The button lies beneath the dial's lower-left corner, outside the dial's circle.
        button = new QPushButton("under", &window);
        button->setGeometry(dialPos.x(), dialPos.y() + 110, 40, 40);
        dial = new ProbeDial(&window);
        dial->setGeometry(QRect(dialPos, dial->sizeHint()));
        dial->raise();
        dial->setWheelTarget(&target, host::Selector("handleFreqWheel"));
        dial->setConnected(true);
        // Something else holds the keyboard focus before each click.
        field = new QLineEdit(&window);
        field->setGeometry(200, 10, 80, 24);
        window.show();
        QApplication::setActiveWindow(&window);
        ASSERT_TRUE(QTest::qWaitForWindowActive(&window));
        field->setFocus();
    }

    // A point in the dial's own coordinates (y up), as a position in the window's Qt coordinates.
    QPoint inWindow(host::Point inDialPoint) const {
        return dial->mapTo(&window, host::View::toQtPoint(dial, inDialPoint)).toPoint();
    }

    const QPoint dialPos{20, 30};
    QWidget window;
    QPushButton* button = nullptr;
    QLineEdit* field = nullptr;
    ProbeDial* dial = nullptr;
    WheelTarget target;
};

TEST_F(DialInWindow, WindowPointsConvertToTheDialsYUpCoordinates) {
    // The dial centre, in the window's y-up coordinates.
    const host::Point centreInWindow{
        20.0f + 68.0f, 300.0f - (30.0f + static_cast<Float32>(dial->height()) - 75.0f)};
    EXPECT_EQ(dial->convertPoint(centreInWindow, nullptr), sCenterPt);
    EXPECT_EQ(dial->convertPoint(centreInWindow, &window), sCenterPt);
}

TEST_F(DialInWindow, DragThroughQtEventsTunesAndSendsTheAction) {
    QWindow* handle = window.windowHandle();
    QTest::mousePress(handle, Qt::LeftButton, {}, inWindow({68, 75 + 40})); // north
    QTest::mouseMove(handle, inWindow({68 + 40, 75}));                      // east
    QTest::mouseRelease(handle, Qt::LeftButton, {}, inWindow({68 + 40, 75}));

    EXPECT_EQ(dial->frequency(), 94000); // 90 of 300 degrees
    ASSERT_EQ(target.calls(), 1u);
    EXPECT_EQ(target.senders.front(), dial);
}

TEST_F(DialInWindow, PressOutsideTheCircleReachesTheWidgetBeneath) {
    QSignalSpy clicked(button, &QPushButton::clicked);
    const QPoint corner = inWindow({6, 6}); // inside the dial's frame, outside its circle
    ASSERT_EQ(window.childAt(corner), dial);

    QWindow* handle = window.windowHandle();
    QTest::mousePress(handle, Qt::LeftButton, {}, corner);
    QTest::mouseMove(handle, inWindow({68 + 40, 75}));
    QTest::mouseMove(handle, corner);
    QTest::mouseRelease(handle, Qt::LeftButton, {}, corner);

    EXPECT_EQ(clicked.count(), 1);
    EXPECT_EQ(dial->frequency(), 88100);
    EXPECT_EQ(target.calls(), 0u);
    // The keyboard focus goes where the click went, as if the dial were not there.
    EXPECT_TRUE(button->hasFocus());
    EXPECT_FALSE(dial->hasFocus());
}

TEST_F(DialInWindow, PressOutsideTheCircleOverNothingLeavesTheFocusWhereItWas) {
    const QPoint corner = inWindow({132, 139}); // the frame's upper right, over the bare window
    ASSERT_EQ(window.childAt(corner), dial);

    QTest::mouseClick(window.windowHandle(), Qt::LeftButton, {}, corner);
    EXPECT_TRUE(field->hasFocus());
    EXPECT_EQ(target.calls(), 0u);
}

TEST_F(DialInWindow, PressInsideTheCircleStaysWithTheDial) {
    QSignalSpy clicked(button, &QPushButton::clicked);
    // Inside the circle and over the button's rectangle.
    const host::Point inside{30, 30};
    ASSERT_LE(xr_tunerCtl::distBetween(inside, sCenterPt), 64.0f);
    ASSERT_TRUE(button->geometry().contains(inWindow(inside)));

    QWindow* handle = window.windowHandle();
    QTest::mousePress(handle, Qt::LeftButton, {}, inWindow(inside));
    QTest::mouseRelease(handle, Qt::LeftButton, {}, inWindow(inside));
    EXPECT_EQ(clicked.count(), 0);
    EXPECT_TRUE(dial->hasFocus());
}

} // namespace
