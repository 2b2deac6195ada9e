#include "Knob.h"

#include "Palette.h"

namespace artwork {

namespace {

constexpr qreal sSide = 16.0;
constexpr QPointF sCentre{sSide / 2.0, sSide / 2.0};
constexpr qreal sDimpleRadius = 6.0;
constexpr qreal sLightRadius = 2.4;

QColor withAlpha(QColor inColor, qreal inAlpha) {
    inColor.setAlphaF(static_cast<float>(inAlpha));
    return inColor;
}

QRectF circle(qreal inRadius, QPointF inCentre = sCentre) {
    return {inCentre.x() - inRadius, inCentre.y() - inRadius, 2.0 * inRadius, 2.0 * inRadius};
}

} // namespace

QSizeF knobSize() {
    return {sSide, sSide};
}

void paintKnob(QPainter& p) {
    p.save();
    p.setRenderHint(QPainter::Antialiasing);
    p.setPen(Qt::NoPen);

    // The light spills a little onto the glass around the dimple.
    QRadialGradient spill(sCentre, sSide / 2.0);
    spill.setColorAt(0.70, withAlpha(palette::sSegment, 0.22));
    spill.setColorAt(1.00, withAlpha(palette::sSegment, 0.0));
    p.setBrush(spill);
    p.drawEllipse(circle(sSide / 2.0));

    // A concave dimple: its upper wall in shadow, its lower lip catching the light.
    p.setBrush(withAlpha(palette::sHighlight, 0.30));
    p.drawEllipse(circle(sDimpleRadius, sCentre + QPointF(0.0, 0.6)));
    QLinearGradient dimple(sCentre - QPointF(0.0, sDimpleRadius),
                           sCentre + QPointF(0.0, sDimpleRadius));
    dimple.setColorAt(0.0, QColor(8, 9, 10));
    dimple.setColorAt(1.0, QColor(62, 67, 74));
    p.setBrush(dimple);
    p.drawEllipse(circle(sDimpleRadius));

    // The amber light at its bottom.
    QRadialGradient glow(sCentre, sDimpleRadius - 0.5);
    glow.setColorAt(0.0, withAlpha(palette::sSegment, 0.55));
    glow.setColorAt(1.0, withAlpha(palette::sSegment, 0.0));
    p.setBrush(glow);
    p.drawEllipse(circle(sDimpleRadius - 0.5));
    QRadialGradient light(sCentre - QPointF(0.6, 0.6), sLightRadius + 0.6);
    light.setColorAt(0.0, QColor(255, 244, 214));
    light.setColorAt(0.45, palette::sSegmentHot);
    light.setColorAt(1.0, palette::sSegment);
    p.setBrush(light);
    p.drawEllipse(circle(sLightRadius));
    p.restore();
}

} // namespace artwork
