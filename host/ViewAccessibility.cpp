#include "host/ViewAccessibility.h"

#include "host/View.h"

#include <QAccessibleTextInterface>
#include <QAccessibleValueInterface>
#include <QAccessibleWidget>

namespace host {

namespace {

// The value as spoken is also the view's read-only text: Qt's AT-SPI bridge passes on no value
// text of its own, and a screen reader reads a control's text.
class ViewAccessible final : public QAccessibleWidget,
                             public QAccessibleValueInterface,
                             public QAccessibleTextInterface {
public:
    explicit ViewAccessible(View* inView) : QAccessibleWidget(inView, QAccessible::Dial) {}

    void* interface_cast(QAccessible::InterfaceType inType) override {
        if (inType == QAccessible::ValueInterface) {
            return static_cast<QAccessibleValueInterface*>(this);
        }
        if (inType == QAccessible::TextInterface) {
            return static_cast<QAccessibleTextInterface*>(this);
        }
        return QAccessibleWidget::interface_cast(inType);
    }

    QString text(QAccessible::Text inText) const override {
        if (inText == QAccessible::Value) {
            return value().text;
        }
        return QAccessibleWidget::text(inText);
    }

    QVariant currentValue() const override { return value().value; }
    void setCurrentValue(const QVariant& inValue) override {
        static_cast<View*>(widget())->setAccessibilityValue(inValue.toDouble());
    }
    QVariant maximumValue() const override { return value().maximum; }
    QVariant minimumValue() const override { return value().minimum; }
    QVariant minimumStepSize() const override { return value().step; }

    QString text(int inStart, int inEnd) const override {
        return value().text.mid(inStart, inEnd - inStart);
    }
    int characterCount() const override { return static_cast<int>(value().text.size()); }
    int cursorPosition() const override { return 0; }
    void setCursorPosition(int) override {}
    int selectionCount() const override { return 0; }
    void selection(int, int* outStart, int* outEnd) const override { *outStart = *outEnd = 0; }
    void addSelection(int, int) override {}
    void removeSelection(int) override {}
    void setSelection(int, int, int) override {}
    QString attributes(int, int* outStart, int* outEnd) const override {
        *outStart = 0;
        *outEnd = characterCount();
        return {};
    }
    QRect characterRect(int) const override { return {}; }
    int offsetAtPoint(const QPoint&) const override { return -1; }
    void scrollToSubstring(int, int) override {}

private:
    AccessibilityValue value() const {
        return static_cast<const View*>(widget())->accessibilityValue().value_or(
            AccessibilityValue{});
    }
};

QAccessibleInterface* viewAccessible(const QString&, QObject* inObject) {
    auto* view = qobject_cast<View*>(inObject);
    return view != nullptr && view->accessibilityValue() ? new ViewAccessible(view) : nullptr;
}

} // namespace

void installViewAccessibility() {
    static const bool sInstalled = (QAccessible::installFactory(viewAccessible), true);
    (void)sInstalled;
}

} // namespace host
