#include "host/View.h"

#include "host/KeyEvents.h"
#include "host/KeyRepeat.h"
#include "host/PainterContext.h"
#include "host/ViewAccessibility.h"

#include <QAccessible>

#include <QCoreApplication>
#include <QFocusEvent>
#include <QKeyEvent>
#include <QMouseEvent>
#include <QPaintEvent>
#include <QPainter>
#include <QWheelEvent>

namespace host {

namespace {

bool isFlippedWidget(const QWidget* inWidget) {
    const auto* view = qobject_cast<const View*>(inWidget);
    return view != nullptr && view->isFlipped();
}

} // namespace

View::View(QWidget* inParent) : QWidget(inParent) {
    installViewAccessibility();
}

Rect View::bounds() const {
    return Rect{{0.0f, 0.0f}, {static_cast<Float32>(width()), static_cast<Float32>(height())}};
}

QPointF View::toQtPoint(const QWidget* inWidget, Point inPoint) {
    if (isFlippedWidget(inWidget)) {
        return {static_cast<qreal>(inPoint.x), static_cast<qreal>(inPoint.y)};
    }
    return {static_cast<qreal>(inPoint.x),
            static_cast<qreal>(inWidget->height()) - static_cast<qreal>(inPoint.y)};
}

Point View::fromQtPoint(const QWidget* inWidget, QPointF inPoint) {
    if (isFlippedWidget(inWidget)) {
        return {static_cast<Float32>(inPoint.x()), static_cast<Float32>(inPoint.y())};
    }
    return {static_cast<Float32>(inPoint.x()),
            static_cast<Float32>(static_cast<qreal>(inWidget->height()) - inPoint.y())};
}

Point View::convertPoint(Point inPoint, const QWidget* inView) const {
    const QWidget* from = inView != nullptr ? inView : window();
    const QPointF inFrom = toQtPoint(from, inPoint);
    QPointF local;
    if (from == this) {
        local = inFrom;
    } else if (from->isAncestorOf(this)) {
        local = mapFrom(from, inFrom);
    } else {
        local = mapFromGlobal(from->mapToGlobal(inFrom));
    }
    return fromQtPoint(this, local);
}

void View::setNeedsDisplay(bool inFlag) {
    if (inFlag) {
        update();
    }
}

View* View::hitTest(Point inPoint) {
    return bounds().contains(convertPoint(inPoint, superview())) ? this : nullptr;
}

void View::mouseDown(const Event&) {
}
void View::mouseDragged(const Event&) {
}
void View::mouseUp(const Event&) {
}

void View::scrollWheel(const Event& inEvent) {
    if (auto* native = dynamic_cast<QWheelEvent*>(inEvent.nativeEvent())) {
        native->ignore();
    }
}

void View::wheelEvent(QWheelEvent* inEvent) {
    // Eighths of a degree, 15 degrees a notch. With "natural" scrolling the window system
    // reverses the deltas; a control follows the wheel itself, as Qt's sliders do.
    constexpr Float32 sPerNotch = 120.0f;
    const int delta = inEvent->inverted() ? -inEvent->angleDelta().y() : inEvent->angleDelta().y();
    if (delta == 0) {
        inEvent->ignore();
        return;
    }
    inEvent->accept();
    const QWidget* win = window();
    const QPointF inWindow = win == this ? inEvent->position() : mapTo(win, inEvent->position());
    scrollWheel(Event::scrollWheel(fromQtPoint(win, inWindow),
                                   static_cast<Float32>(delta) / sPerNotch,
                                   modifierFlagsFrom(*inEvent))
                    .withNativeEvent(inEvent));
}

Event View::mouseEventFrom(const QMouseEvent* inEvent) const {
    const QWidget* win = window();
    const QPointF inWindow = win == this ? inEvent->position() : mapTo(win, inEvent->position());
    return Event::mouse(fromQtPoint(win, inWindow), modifierFlagsFrom(*inEvent));
}

void View::pressOrPassOn(QMouseEvent* inEvent) {
    if (inEvent->button() != Qt::LeftButton) {
        inEvent->ignore();
        return;
    }
    const QWidget* super = superview() != nullptr ? superview() : window();
    const QPointF inSuper = super == this ? inEvent->position() : mapTo(super, inEvent->position());
    if (hitTest(fromQtPoint(super, inSuper)) == nullptr) {
        mMouseTaken = false;
        mPassedOnTo = widgetBeneath(inEvent->position());
        giveClickFocus(mPassedOnTo);
        passOn(inEvent);
        return;
    }
    mMouseTaken = true;
    mPassedOnTo = nullptr;
    if (acceptsFirstResponder()) {
        setFocus(Qt::MouseFocusReason);
    }
    mouseDown(mouseEventFrom(inEvent));
    inEvent->accept();
}

void View::mousePressEvent(QMouseEvent* inEvent) {
    pressOrPassOn(inEvent);
}

// A second click is a press like the first.
void View::mouseDoubleClickEvent(QMouseEvent* inEvent) {
    pressOrPassOn(inEvent);
}

void View::mouseMoveEvent(QMouseEvent* inEvent) {
    if (mPassedOnTo != nullptr) {
        passOn(inEvent);
    } else if (mMouseTaken && (inEvent->buttons() & Qt::LeftButton)) {
        mouseDragged(mouseEventFrom(inEvent));
        inEvent->accept();
    } else {
        inEvent->ignore();
    }
}

void View::mouseReleaseEvent(QMouseEvent* inEvent) {
    if (mPassedOnTo != nullptr) {
        passOn(inEvent);
        if (inEvent->buttons() == Qt::NoButton) {
            mPassedOnTo = nullptr;
        }
    } else if (mMouseTaken && inEvent->button() == Qt::LeftButton) {
        mMouseTaken = false;
        mouseUp(mouseEventFrom(inEvent));
        inEvent->accept();
    } else {
        inEvent->ignore();
    }
}

// Focus follows the press to where it really goes, as Qt does for the widget it delivers to: the
// first enabled widget up from inWidget that takes focus by clicking, unless one on the way has it.
void View::giveClickFocus(QWidget* inWidget) {
    for (QWidget* widget = inWidget; widget != nullptr; widget = widget->parentWidget()) {
        if (widget->isEnabled() && (widget->focusPolicy() & Qt::ClickFocus) == Qt::ClickFocus) {
            widget->setFocus(Qt::MouseFocusReason);
            return;
        }
        if (widget->isWindow() || widget->hasFocus()) {
            return;
        }
    }
}

// The widget that the window would have given the press to, were this view not there.
QWidget* View::widgetBeneath(QPointF inLocalPos) {
    QWidget* win = window();
    if (win == this) {
        return nullptr;
    }
    const bool wasTransparent = testAttribute(Qt::WA_TransparentForMouseEvents);
    setAttribute(Qt::WA_TransparentForMouseEvents, true);
    QWidget* beneath = win->childAt(mapTo(win, inLocalPos).toPoint());
    setAttribute(Qt::WA_TransparentForMouseEvents, wasTransparent);
    return beneath != nullptr ? beneath : win;
}

void View::passOn(QMouseEvent* inEvent) {
    QWidget* target = mPassedOnTo;
    if (target == nullptr) {
        inEvent->ignore();
        return;
    }
    const QPointF pos = target->mapFromGlobal(inEvent->globalPosition());
    QMouseEvent copy(inEvent->type(), pos, inEvent->scenePosition(), inEvent->globalPosition(),
                     inEvent->button(), inEvent->buttons(), inEvent->modifiers(),
                     inEvent->pointingDevice());
    QCoreApplication::sendEvent(target, &copy);
    // Handled here: Qt must not also hand the original to this view's parents.
    inEvent->accept();
}

} // namespace host

namespace host {

void View::keyDown(const Event& inEvent) {
    if (auto* native = dynamic_cast<QKeyEvent*>(inEvent.nativeEvent())) {
        QWidget::keyPressEvent(native);
    }
}

void View::keyUp(const Event& inEvent) {
    if (auto* native = dynamic_cast<QKeyEvent*>(inEvent.nativeEvent())) {
        QWidget::keyReleaseEvent(native);
    }
}

bool View::acceptsFirstResponder() {
    return focusPolicy() != Qt::NoFocus;
}
bool View::becomeFirstResponder() {
    return true;
}
bool View::resignFirstResponder() {
    return true;
}

void View::keyPressEvent(QKeyEvent* inEvent) {
    inEvent->accept();
    keyDown(keyEventFrom(*inEvent).withNativeEvent(inEvent));
}

void View::keyReleaseEvent(QKeyEvent* inEvent) {
    // The window system repeats a held key as release + press pairs; only the presses count.
    if (inEvent->isAutoRepeat()) {
        inEvent->accept();
        return;
    }
    inEvent->accept();
    // An X server that does not repeat keys as presses only sends each repeat as a release and a
    // press, which Qt does not always flag; the key of such a release is still held down.
    if (keyHeldDown(inEvent->nativeScanCode())) {
        return;
    }
    keyUp(keyEventFrom(*inEvent).withNativeEvent(inEvent));
}

void View::focusInEvent(QFocusEvent* inEvent) {
    becomeFirstResponder();
    QWidget::focusInEvent(inEvent);
}

void View::focusOutEvent(QFocusEvent* inEvent) {
    resignFirstResponder();
    QWidget::focusOutEvent(inEvent);
}

void View::drawRect(GraphicsContext&, const Rect&) {
}

void View::setAccessibilityValue(double) {
}

void View::postAccessibilityValueChanged() {
    if (!QAccessible::isActive()) {
        return; // no assistive technology listens
    }
    if (const auto value = accessibilityValue()) {
        QAccessibleValueChangeEvent event(this, value->value);
        QAccessible::updateAccessibility(&event);
        if (value->text != mAccessibilityText) {
            QAccessibleTextUpdateEvent text(this, 0, mAccessibilityText, value->text);
            QAccessible::updateAccessibility(&text);
            mAccessibilityText = value->text;
        }
    }
}

void View::paintEvent(QPaintEvent* inEvent) {
    QPainter painter(this);
    PainterContext context(painter, *this, &mFocusRingCache);
    const QRectF dirty = inEvent->rect().toRectF();
    const Point lowerLeft = fromQtPoint(this, dirty.bottomLeft());
    drawRect(context,
             Rect{lowerLeft,
                  {static_cast<Float32>(dirty.width()), static_cast<Float32>(dirty.height())}});
}

} // namespace host
