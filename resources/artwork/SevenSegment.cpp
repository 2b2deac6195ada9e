#include "SevenSegment.h"

#include "Palette.h"

#include <array>

namespace artwork {

namespace {

constexpr qreal sDigitWidth = 13.0;
constexpr qreal sDigitHeight = 23.0;
constexpr qreal sPointWidth = 4.0;
constexpr qreal sPointHeight = 4.0;

// The upright glyph box inside a digit image, before the lean.
constexpr qreal sLeft = 1.0;
constexpr qreal sRight = 11.5;
constexpr qreal sTop = 1.0;
constexpr qreal sBottom = 22.0;
constexpr qreal sThickness = 2.6;
constexpr qreal sGap = 0.45;   // between neighbouring segments
constexpr qreal sLean = 0.068; // horizontal shift per unit of height

QPointF leaned(QPointF inPoint, QPointF inOrigin) {
    const qreal rise = sBottom - inPoint.y();
    return inOrigin + QPointF(inPoint.x() + rise * sLean, inPoint.y());
}

QPolygonF horizontal(qreal inLeft, qreal inRight, qreal inY, QPointF inOrigin) {
    const qreal h = sThickness / 2.0;
    const qreal l = inLeft + sGap;
    const qreal r = inRight - sGap;
    QPolygonF shape;
    for (const QPointF p : {QPointF(l, inY), QPointF(l + h, inY - h), QPointF(r - h, inY - h),
                            QPointF(r, inY), QPointF(r - h, inY + h), QPointF(l + h, inY + h)}) {
        shape << leaned(p, inOrigin);
    }
    return shape;
}

QPolygonF vertical(qreal inX, qreal inTop, qreal inBottom, QPointF inOrigin) {
    const qreal h = sThickness / 2.0;
    const qreal t = inTop + sGap;
    const qreal b = inBottom - sGap;
    QPolygonF shape;
    for (const QPointF p : {QPointF(inX, t), QPointF(inX + h, t + h), QPointF(inX + h, b - h),
                            QPointF(inX, b), QPointF(inX - h, b - h), QPointF(inX - h, t + h)}) {
        shape << leaned(p, inOrigin);
    }
    return shape;
}

} // namespace

QSizeF digitSize() {
    return {sDigitWidth, sDigitHeight};
}
QSizeF pointSize() {
    return {sPointWidth, sPointHeight};
}

Segments segmentsOf(int inDigit) {
    // Segments a (bit 0) to g (bit 6) of the digits 0 to 9.
    static constexpr std::array<Segments, 10> sDigits{0x3F, 0x06, 0x5B, 0x4F, 0x66,
                                                      0x6D, 0x7D, 0x07, 0x7F, 0x6F};
    return sDigits.at(static_cast<std::size_t>(inDigit));
}

std::vector<QPolygonF> digitOutlines(Segments inSegments, QPointF inOrigin) {
    const qreal h = sThickness / 2.0;
    const qreal left = sLeft + h;
    const qreal right = sRight - h;
    const qreal top = sTop + h;
    const qreal middle = (sTop + sBottom) / 2.0;
    const qreal bottom = sBottom - h;
    const std::array<QPolygonF, 7> all{
        horizontal(left, right, top, inOrigin),    // a
        vertical(right, top, middle, inOrigin),    // b
        vertical(right, middle, bottom, inOrigin), // c
        horizontal(left, right, bottom, inOrigin), // d
        vertical(left, middle, bottom, inOrigin),  // e
        vertical(left, top, middle, inOrigin),     // f
        horizontal(left, right, middle, inOrigin), // g
    };
    std::vector<QPolygonF> lit;
    for (std::size_t s = 0; s < all.size(); ++s) {
        if ((inSegments & (1u << s)) != 0) {
            lit.push_back(all[s]);
        }
    }
    return lit;
}

QPolygonF pointOutline(QPointF inOrigin) {
    // As thick as a segment and resting on the same line as the digits' bottoms.
    const qreal bottom = sPointHeight - (sDigitHeight - sBottom);
    const QRectF dot(0.35, bottom - sThickness, sThickness, sThickness);
    QPolygonF shape;
    for (const QPointF p : {dot.topLeft(), dot.topRight(), dot.bottomRight(), dot.bottomLeft()}) {
        shape << inOrigin + QPointF(p.x() + (bottom - p.y()) * sLean, p.y());
    }
    return shape;
}

void paintLit(QPainter& inPainter, const std::vector<QPolygonF>& inOutlines) {
    inPainter.save();
    inPainter.setRenderHint(QPainter::Antialiasing);
    QPen halo(palette::sSegmentHalo, 1.2);
    halo.setJoinStyle(Qt::RoundJoin);
    inPainter.setPen(halo);
    inPainter.setBrush(Qt::NoBrush);
    for (const QPolygonF& shape : inOutlines) {
        inPainter.drawPolygon(shape);
    }
    inPainter.setPen(Qt::NoPen);
    for (const QPolygonF& shape : inOutlines) {
        QLinearGradient glow(shape.boundingRect().topLeft(), shape.boundingRect().bottomRight());
        glow.setColorAt(0.0, palette::sSegmentHot);
        glow.setColorAt(1.0, palette::sSegment);
        inPainter.setBrush(glow);
        inPainter.drawPolygon(shape);
    }
    inPainter.restore();
}

void paintUnlit(QPainter& inPainter, const std::vector<QPolygonF>& inOutlines) {
    inPainter.save();
    inPainter.setRenderHint(QPainter::Antialiasing);
    inPainter.setPen(Qt::NoPen);
    inPainter.setBrush(palette::sSegmentUnlit);
    for (const QPolygonF& shape : inOutlines) {
        inPainter.drawPolygon(shape);
    }
    inPainter.restore();
}

} // namespace artwork
