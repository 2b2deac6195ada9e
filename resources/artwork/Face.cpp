#include "Face.h"

#include "Palette.h"
#include "SevenSegment.h"
#include "dial/xr_tunerLayout.h"

#include <QPainterPath>

#include <cmath>
#include <numbers>

namespace artwork {

namespace {

constexpr qreal sWidth = 128.0;
constexpr qreal sHeight = 135.0;
constexpr QPointF sCentre{64.0, sHeight - 71.0}; // in the image, y down
constexpr qreal sRadius = 64.0;
constexpr qreal sGlassRadius = 57.5;
constexpr qreal sTrackRadius = 50.0; // where the knob rides

// The knob's travel: 300 degrees clockwise from seven o'clock.
constexpr qreal sStartDegrees = 210.0;
constexpr qreal sTravelDegrees = 300.0;
constexpr int sScaleSteps = 30;
constexpr int sStepsPerMajor = 5;

QColor withAlpha(QColor inColor, qreal inAlpha) {
    inColor.setAlphaF(static_cast<float>(inAlpha));
    return inColor;
}

// A point at inRadius from the centre, inDegrees clockwise from straight up.
QPointF polar(qreal inRadius, qreal inDegrees) {
    const qreal rad = inDegrees * std::numbers::pi / 180.0;
    return sCentre + QPointF(inRadius * std::sin(rad), -inRadius * std::cos(rad));
}

QRectF circle(qreal inRadius, QPointF inCentre = sCentre) {
    return {inCentre.x() - inRadius, inCentre.y() - inRadius, 2.0 * inRadius, 2.0 * inRadius};
}

// Where an image placed at inViewPoint in the dial lands in the face image, top-left corner.
QPointF inFace(host::Point inViewPoint, qreal inImageHeight) {
    return {static_cast<qreal>(inViewPoint.x - sFacePt.x),
            sHeight - static_cast<qreal>(inViewPoint.y - sFacePt.y) - inImageHeight};
}

void paintShadow(QPainter& p) {
    const QPointF centre = sCentre + QPointF(0.0, 3.5);
    QRadialGradient shadow(centre, sRadius + 1.5);
    shadow.setColorAt(0.88, withAlpha(palette::sShadow, 0.55));
    shadow.setColorAt(0.95, withAlpha(palette::sShadow, 0.22));
    shadow.setColorAt(1.00, withAlpha(palette::sShadow, 0.0));
    p.setPen(Qt::NoPen);
    p.setBrush(shadow);
    p.drawEllipse(circle(sRadius + 1.5, centre));
}

void paintBezel(QPainter& p) {
    // Brushed steel catches the light in two opposite sectors.
    QConicalGradient steel(sCentre, 90.0);
    steel.setColorAt(0.00, palette::sSteelMiddle);
    steel.setColorAt(0.10, palette::sSteelLight);
    steel.setColorAt(0.22, palette::sSteelMiddle);
    steel.setColorAt(0.40, palette::sSteelDark);
    steel.setColorAt(0.60, palette::sSteelLight);
    steel.setColorAt(0.72, palette::sSteelMiddle);
    steel.setColorAt(0.88, palette::sSteelDark);
    steel.setColorAt(1.00, palette::sSteelMiddle);
    p.setPen(Qt::NoPen);
    p.setBrush(steel);
    p.drawEllipse(circle(sRadius));

    // Light from above.
    QLinearGradient light(sCentre - QPointF(0.0, sRadius), sCentre + QPointF(0.0, sRadius));
    light.setColorAt(0.0, withAlpha(palette::sHighlight, 0.22));
    light.setColorAt(0.5, withAlpha(palette::sHighlight, 0.0));
    light.setColorAt(1.0, withAlpha(palette::sShadow, 0.22));
    p.setBrush(light);
    p.drawEllipse(circle(sRadius));

    // Fine concentric brushing.
    p.setBrush(Qt::NoBrush);
    for (qreal r = sGlassRadius + 0.75; r < sRadius - 0.5; r += 0.5) {
        const bool darker = std::fmod(r * 7.3, 1.0) < 0.5;
        p.setPen(QPen(withAlpha(darker ? palette::sShadow : palette::sHighlight, 0.035), 0.25));
        p.drawEllipse(circle(r));
    }

    // A crisp outer edge: dark on the outside, a bright chamfer just inside.
    p.setPen(QPen(withAlpha(palette::sShadow, 0.55), 1.0));
    p.drawEllipse(circle(sRadius - 0.5));
    p.setPen(QPen(withAlpha(palette::sHighlight, 0.35), 0.6));
    p.drawArc(circle(sRadius - 1.3), 20 * 16, 140 * 16);
}

void paintScale(QPainter& p) {
    for (int step = 0; step <= sScaleSteps; ++step) {
        const qreal degrees = sStartDegrees + sTravelDegrees * step / sScaleSteps;
        const bool major = step % sStepsPerMajor == 0;
        const qreal inner = major ? sGlassRadius + 1.0 : sGlassRadius + 2.4;
        const qreal outer = sRadius - 1.8;
        // Engraved: a dark cut with a sliver of light on its lower side.
        p.setPen(QPen(withAlpha(palette::sHighlight, 0.35), major ? 1.2 : 0.8, Qt::SolidLine,
                      Qt::FlatCap));
        p.drawLine(polar(inner, degrees) + QPointF(0.0, 0.4),
                   polar(outer, degrees) + QPointF(0.0, 0.4));
        p.setPen(QPen(withAlpha(QColor(20, 22, 26), major ? 0.95 : 0.75), major ? 1.2 : 0.8,
                      Qt::SolidLine, Qt::FlatCap));
        p.drawLine(polar(inner, degrees), polar(outer, degrees));
    }
}

void paintGlass(QPainter& p) {
    // The step down from the bezel into the glass.
    p.setPen(Qt::NoPen);
    p.setBrush(withAlpha(palette::sShadow, 0.6));
    p.drawEllipse(circle(sGlassRadius + 0.8));

    QRadialGradient glass(sCentre - QPointF(0.0, 28.0), 2.0 * sGlassRadius);
    glass.setColorAt(0.0, palette::sGlassTop);
    glass.setColorAt(0.55, palette::sGlassMiddle);
    glass.setColorAt(1.0, palette::sGlassEdge);
    p.setBrush(glass);
    p.drawEllipse(circle(sGlassRadius));

    // A soft reflection across the upper half.
    QPainterPath sheen;
    sheen.addEllipse(circle(sGlassRadius - 1.0));
    QPainterPath lower;
    lower.addEllipse(QRectF(sCentre.x() - 90.0, sCentre.y() - 16.0, 180.0, 120.0));
    QLinearGradient shine(sCentre - QPointF(0.0, sGlassRadius), sCentre);
    shine.setColorAt(0.0, withAlpha(palette::sHighlight, 0.10));
    shine.setColorAt(1.0, withAlpha(palette::sHighlight, 0.0));
    p.setBrush(shine);
    p.drawPath(sheen.subtracted(lower));

    // A thin lit rim along the glass's lower edge.
    p.setBrush(Qt::NoBrush);
    p.setPen(QPen(withAlpha(palette::sHighlight, 0.10), 0.8));
    p.drawArc(circle(sGlassRadius - 0.6), 200 * 16, 140 * 16);
}

void paintTrack(QPainter& p) {
    // Qt's arcs start at three o'clock and run counter-clockwise.
    const int start = static_cast<int>((90.0 - sStartDegrees) * 16.0);
    const int span = static_cast<int>(-sTravelDegrees * 16.0);
    p.setBrush(Qt::NoBrush);
    p.setPen(QPen(withAlpha(palette::sHighlight, 0.09), 1.0, Qt::SolidLine, Qt::RoundCap));
    p.drawArc(circle(sTrackRadius + 0.8), start, span);
    p.setPen(QPen(withAlpha(palette::sShadow, 0.7), 1.4, Qt::SolidLine, Qt::RoundCap));
    p.drawArc(circle(sTrackRadius), start, span);
}

void paintWindow(QPainter& p) {
    const qreal digitHeight = digitSize().height();
    const QPointF hundreds = inFace(sHundredsPt, digitHeight);
    const QPointF tenths = inFace(sTenthsPt, digitHeight);
    // Centred on the dial; wide enough for the hundreds digit and the tenths.
    const qreal halfWidth = std::max(sCentre.x() - hundreds.x() + 5.0,
                                     tenths.x() + digitSize().width() - sCentre.x() + 4.0);
    const QRectF window(sCentre.x() - halfWidth, hundreds.y() - 5.0, 2.0 * halfWidth,
                        digitHeight + 9.0);
    constexpr qreal corner = 4.5;

    // Set into the glass: light catches the lower lip, the upper lip casts a shadow.
    p.setPen(Qt::NoPen);
    p.setBrush(withAlpha(palette::sHighlight, 0.13));
    p.drawRoundedRect(window.translated(0.0, 0.8), corner, corner);
    p.setBrush(withAlpha(palette::sShadow, 0.8));
    p.drawRoundedRect(window.adjusted(-0.6, -0.8, 0.6, 0.0), corner + 0.5, corner + 0.5);
    p.setBrush(palette::sWindow);
    p.drawRoundedRect(window, corner, corner);
    QLinearGradient inner(window.topLeft(), window.topLeft() + QPointF(0.0, 5.0));
    inner.setColorAt(0.0, withAlpha(palette::sShadow, 0.9));
    inner.setColorAt(1.0, withAlpha(palette::sShadow, 0.0));
    p.setBrush(inner);
    p.drawRoundedRect(window, corner, corner);

    // The display's unlit segments: a half digit at the hundreds, full digits elsewhere.
    std::vector<QPolygonF> unlit = digitOutlines(segmentsOf(1), hundreds);
    for (const host::Point position : {sTensPt, sOnesPt, sTenthsPt}) {
        for (QPolygonF& shape : digitOutlines(sAllSegments, inFace(position, digitHeight))) {
            unlit.push_back(std::move(shape));
        }
    }
    unlit.push_back(pointOutline(inFace(sPointPt, pointSize().height())));
    paintUnlit(p, unlit);

    // Glass over the display.
    QLinearGradient glare(window.topLeft(), window.bottomLeft());
    glare.setColorAt(0.0, withAlpha(palette::sHighlight, 0.07));
    glare.setColorAt(0.45, withAlpha(palette::sHighlight, 0.02));
    glare.setColorAt(0.46, withAlpha(palette::sHighlight, 0.0));
    p.setBrush(glare);
    p.drawRoundedRect(window, corner, corner);
}

} // namespace

QSizeF faceSize() {
    return {sWidth, sHeight};
}

void paintFace(QPainter& inPainter) {
    inPainter.save();
    inPainter.setRenderHint(QPainter::Antialiasing);
    paintShadow(inPainter);
    paintBezel(inPainter);
    paintScale(inPainter);
    paintGlass(inPainter);
    paintTrack(inPainter);
    paintWindow(inPainter);
    inPainter.restore();
}

} // namespace artwork
