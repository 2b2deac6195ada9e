#include "host/PainterContext.h"

#include <QPainter>
#include <QWidget>

namespace host {

PainterContext::PainterContext(QPainter& inPainter, const QWidget& inWidget)
    : mPainter(inPainter), mWidget(inWidget) {}

void PainterContext::compositeImage(const Image& inImage, Point inPoint, CompositeOperation) {
    if (inImage.isNull()) {
        return;
    }
    const QImage& image = inImage.qimage();
    const QSizeF size = image.deviceIndependentSize();
    const QPointF topLeft(static_cast<qreal>(inPoint.x),
                          mWidget.height() - static_cast<qreal>(inPoint.y) - size.height());
    mPainter.setCompositionMode(QPainter::CompositionMode_SourceOver);
    mPainter.drawImage(topLeft, image);
}

void PainterContext::saveGraphicsState() { mPainter.save(); }

void PainterContext::restoreGraphicsState() {
    mPainter.restore();
    mFocusRingOnly = false;
}

void PainterContext::setFocusRingStyle(FocusRingPlacement inPlacement) {
    mFocusRingOnly = inPlacement == FocusRingPlacement::Only;
}

void PainterContext::fillOval(const Rect& inRect) {
    const QRectF rect(static_cast<qreal>(inRect.origin.x),
                      mWidget.height() - static_cast<qreal>(inRect.origin.y + inRect.size.height),
                      static_cast<qreal>(inRect.size.width), static_cast<qreal>(inRect.size.height));
    mPainter.setRenderHint(QPainter::Antialiasing);
    if (mFocusRingOnly) {
        mPainter.setPen(QPen(mWidget.palette().color(QPalette::Highlight), 2.0));
        mPainter.setBrush(Qt::NoBrush);
    } else {
        mPainter.setPen(Qt::NoPen);
        mPainter.setBrush(mWidget.palette().color(QPalette::WindowText));
    }
    mPainter.drawEllipse(rect);
}

} // namespace host
