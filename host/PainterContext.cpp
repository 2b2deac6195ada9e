#include "host/PainterContext.h"

#include "host/FocusRingCache.h"

#include <QPainter>
#include <QWidget>

#include <cmath>

namespace host {

namespace {

double pixelsPerPoint(const QTransform& inDevice) {
    return std::hypot(inDevice.m11(), inDevice.m12());
}

// The nearest point that falls on a device pixel's corner, so that an unscaled image is copied
// pixel for pixel instead of being resampled.
QPointF onDevicePixel(QPointF inPoint, const QTransform& inDevice) {
    if (inDevice.type() > QTransform::TxScale) {
        return inPoint;
    }
    const QPointF onDevice = inDevice.map(inPoint);
    return inDevice.inverted().map(QPointF(std::round(onDevice.x()), std::round(onDevice.y())));
}

} // namespace

PainterContext::PainterContext(QPainter& inPainter, const QWidget& inWidget,
                               FocusRingCache* inRingCache)
    : mPainter(inPainter), mWidget(inWidget), mRingCache(inRingCache) {
}

void PainterContext::compositeImage(const Image& inImage, Point inPoint, CompositeOperation) {
    if (inImage.isNull()) {
        return;
    }
    const QTransform& device = mPainter.deviceTransform();
    const double scale = pixelsPerPoint(device);
    const QImage& pixels = inImage.representation(scale);
    const QPointF topLeft(static_cast<qreal>(inPoint.x), mWidget.height() -
                                                             static_cast<qreal>(inPoint.y) -
                                                             inImage.size().height());
    // Only a scale the pixels were not made for needs smoothing.
    const bool resampled = scale != pixels.devicePixelRatio();
    mPainter.setCompositionMode(QPainter::CompositionMode_SourceOver);
    mPainter.setRenderHint(QPainter::SmoothPixmapTransform, resampled);
    mPainter.drawImage(onDevicePixel(topLeft, device), pixels);
}

void PainterContext::saveGraphicsState() {
    mPainter.save();
    mSavedFocusRingOnly.push_back(mFocusRingOnly);
}

void PainterContext::restoreGraphicsState() {
    if (mSavedFocusRingOnly.empty()) {
        return; // nothing saved: nothing to go back to
    }
    mPainter.restore();
    mFocusRingOnly = mSavedFocusRingOnly.back();
    mSavedFocusRingOnly.pop_back();
}

void PainterContext::setFocusRingStyle(FocusRingPlacement inPlacement) {
    mFocusRingOnly = inPlacement == FocusRingPlacement::Only;
}

void PainterContext::fillOval(const Rect& inRect) {
    const QRectF oval = toQt(inRect);
    if (mFocusRingOnly) {
        strokeFocusRing(oval);
        return;
    }
    mPainter.save();
    mPainter.setRenderHint(QPainter::Antialiasing);
    mPainter.setPen(Qt::NoPen);
    mPainter.setBrush(mWidget.palette().color(QPalette::WindowText));
    mPainter.drawEllipse(oval);
    mPainter.restore();
}

QRectF PainterContext::toQt(const Rect& inRect) const {
    return {static_cast<qreal>(inRect.origin.x),
            mWidget.height() - static_cast<qreal>(inRect.origin.y + inRect.size.height),
            static_cast<qreal>(inRect.size.width), static_cast<qreal>(inRect.size.height)};
}

// The desktop draws no focus rings of its own: a band of the highlight colour just outside the
// outline, leaving what lies inside untouched.
void PainterContext::strokeFocusRing(const QRectF& inOval) {
    const QColor color = mWidget.palette().color(QPalette::Highlight);
    if (mRingCache != nullptr) {
        mRingCache->draw(mPainter, inOval, color, static_cast<qreal>(sFocusRingWidth));
        return;
    }
    const qreal half = static_cast<qreal>(sFocusRingWidth) / 2.0;
    mPainter.save();
    mPainter.setRenderHint(QPainter::Antialiasing);
    mPainter.setCompositionMode(QPainter::CompositionMode_SourceOver);
    mPainter.setPen(QPen(color, static_cast<qreal>(sFocusRingWidth)));
    mPainter.setBrush(Qt::NoBrush);
    mPainter.drawEllipse(inOval.adjusted(-half, -half, half, half));
    mPainter.restore();
}

} // namespace host
