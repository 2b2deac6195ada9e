#pragma once

#include "host/Event.h"
#include "host/FocusRingCache.h"
#include "host/Geometry.h"

#include <QPointF>
#include <QPointer>
#include <QWidget>

#include <optional>

class QFocusEvent;
class QKeyEvent;
class QMouseEvent;
class QPaintEvent;
class QWheelEvent;

namespace host {

class GraphicsContext;

// A value a view shows, as assistive technology (a screen reader) is told it: the view is a dial
// to it, named by its accessible name.
struct AccessibilityValue {
    double value = 0.0;
    double minimum = 0.0;
    double maximum = 0.0;
    double step = 0.0;
    QString text; // how the value is spoken
};

// A widget with the coordinate model and mouse entry points of a desktop view.
//
// Its own coordinates have their origin at the lower-left corner and y growing upward, unless
// the subclass answers true from isFlipped(). The same holds for every other widget when a point
// is converted from it: a plain QWidget counts as an unflipped view. "Window coordinates" are
// those of the top-level widget.
//
// A left-button press first asks hitTest(); when the view declines, the press (and the moves and
// release that follow it) go to whatever lies beneath the view at that place, as if the view
// were not there. An accepted press arrives as mouseDown(), moves with the button held as
// mouseDragged(), the release as mouseUp(). The vertical turn of a scroll wheel arrives as
// scrollWheel(); what a view does not take goes on to the parent widget.
//
// Key presses arrive as keyDown(), releases as keyUp(); what a view does not handle it hands to
// the base implementation, which passes the event on to the parent widget. The window system's
// own repeat comes as extra presses; its synthetic releases never reach keyUp().
// Painting calls drawRect() with a context in the view's coordinates.
class View : public QWidget {
    Q_OBJECT
public:
    explicit View(QWidget* inParent = nullptr);

    virtual bool isFlipped() const { return false; }
    QWidget* superview() const { return parentWidget(); }
    Rect bounds() const;

    // inPoint from inView's coordinates into this view's; from window coordinates when inView
    // is null.
    Point convertPoint(Point inPoint, const QWidget* inView) const;

    // Marks the view for a later repaint; any number of marks give one repaint.
    virtual void setNeedsDisplay(bool inFlag);

    // inPoint is in the superview's coordinates (window coordinates for a top-level view).
    // Returns the view that takes a press there, or nullptr to let it pass to what lies beneath.
    virtual View* hitTest(Point inPoint);

    virtual void mouseDown(const Event& inEvent);
    virtual void mouseDragged(const Event& inEvent);
    virtual void mouseUp(const Event& inEvent);
    virtual void scrollWheel(const Event& inEvent);

    virtual void keyDown(const Event& inEvent);
    virtual void keyUp(const Event& inEvent);
    virtual bool acceptsFirstResponder();
    virtual bool becomeFirstResponder();
    virtual bool resignFirstResponder();

    // What assistive technology is told of the view: nothing for a plain view, a value for a
    // control that shows one. A value set through it reaches setAccessibilityValue.
    virtual std::optional<AccessibilityValue> accessibilityValue() const { return std::nullopt; }
    virtual void setAccessibilityValue(double inValue);
    // Tells assistive technology that the value (or how it is spoken) has changed.
    void postAccessibilityValueChanged();

    // Draws the view; inRect is the part that needs it.
    virtual void drawRect(GraphicsContext& inContext, const Rect& inRect);

    // Conversions between a widget's Qt coordinates and its view coordinates.
    static QPointF toQtPoint(const QWidget* inWidget, Point inPoint);
    static Point fromQtPoint(const QWidget* inWidget, QPointF inPoint);

protected:
    void mousePressEvent(QMouseEvent* inEvent) override;
    void mouseDoubleClickEvent(QMouseEvent* inEvent) override;
    void mouseMoveEvent(QMouseEvent* inEvent) override;
    void mouseReleaseEvent(QMouseEvent* inEvent) override;
    void wheelEvent(QWheelEvent* inEvent) override;
    void keyPressEvent(QKeyEvent* inEvent) override;
    void keyReleaseEvent(QKeyEvent* inEvent) override;
    void focusInEvent(QFocusEvent* inEvent) override;
    void focusOutEvent(QFocusEvent* inEvent) override;
    void paintEvent(QPaintEvent* inEvent) override;

private:
    Event mouseEventFrom(const QMouseEvent* inEvent) const;
    void pressOrPassOn(QMouseEvent* inEvent);
    static void giveClickFocus(QWidget* inWidget);
    QWidget* widgetBeneath(QPointF inLocalPos);
    void passOn(QMouseEvent* inEvent);

    FocusRingCache mFocusRingCache;
    bool mMouseTaken = false;      // the current press was accepted by the hit test
    QPointer<QWidget> mPassedOnTo; // where the current declined press went
    QString mAccessibilityText;    // the value as last told to assistive technology
};

} // namespace host
