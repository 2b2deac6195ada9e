#include "host/FocusRingCache.h"

#include <QPainter>

#include <cmath>

namespace host {

namespace {

double pixelsPerPoint(const QTransform& inDevice) {
    return std::hypot(inDevice.m11(), inDevice.m12());
}

void paintRing(QPainter& inPainter, const QRectF& inOval, const QColor& inColor, qreal inWidth) {
    const qreal half = inWidth / 2.0;
    inPainter.setRenderHint(QPainter::Antialiasing);
    inPainter.setCompositionMode(QPainter::CompositionMode_SourceOver);
    inPainter.setPen(QPen(inColor, inWidth));
    inPainter.setBrush(Qt::NoBrush);
    inPainter.drawEllipse(inOval.adjusted(-half, -half, half, half));
}

} // namespace

void FocusRingCache::draw(QPainter& inPainter, const QRectF& inOval, const QColor& inColor,
                          qreal inWidth) {
    const QTransform& device = inPainter.deviceTransform();
    const double scale = pixelsPerPoint(device);
    const QPointF onDevice = device.map(inOval.topLeft());
    // Rotated or sheared devices, and ovals off the pixel grid, are drawn directly: a kept
    // picture would not line up.
    if (device.type() > QTransform::TxScale || onDevice != onDevice.toPoint().toPointF()) {
        inPainter.save();
        paintRing(inPainter, inOval, inColor, inWidth);
        inPainter.restore();
        return;
    }
    const qreal margin = std::ceil(inWidth) + 1.0;
    if (mImage.isNull() || mOvalSize != inOval.size() || mColor != inColor.rgba() ||
        mWidth != inWidth || mScale != scale) {
        const QSizeF points = inOval.size() + QSizeF(2.0 * margin, 2.0 * margin);
        mImage = QImage(static_cast<int>(std::ceil(points.width() * scale)),
                        static_cast<int>(std::ceil(points.height() * scale)),
                        QImage::Format_ARGB32_Premultiplied);
        mImage.setDevicePixelRatio(scale);
        mImage.fill(Qt::transparent);
        QPainter painter(&mImage);
        paintRing(painter, QRectF(QPointF(margin, margin), inOval.size()), inColor, inWidth);
        mOvalSize = inOval.size();
        mColor = inColor.rgba();
        mWidth = inWidth;
        mScale = scale;
    }
    inPainter.save();
    inPainter.setCompositionMode(QPainter::CompositionMode_SourceOver);
    inPainter.drawImage(inOval.topLeft() - QPointF(margin, margin), mImage);
    inPainter.restore();
}

} // namespace host
