#include "Logo.h"

#include "Face.h"
#include "Knob.h"
#include "Palette.h"

#include <QFont>

namespace artwork {

namespace {

constexpr qreal sIconSide = 128.0;
constexpr qreal sLogoIconSide = 34.0;

} // namespace

QSizeF iconSize() {
    return {sIconSide, sIconSide};
}

void paintIcon(QPainter& inPainter) {
    const QSizeF face = faceSize();
    const qreal scale = sIconSide / face.height();
    inPainter.save();
    inPainter.translate((sIconSide - face.width() * scale) / 2.0, 0.0);
    inPainter.scale(scale, scale);
    paintFace(inPainter);
    // The knob at ten o'clock, where a listener would leave it.
    const QSizeF knob = knobSize();
    inPainter.translate(64.0 - 34.6 - knob.width() / 2.0, 64.0 - 20.0 - knob.height() / 2.0);
    paintKnob(inPainter);
    inPainter.restore();
}

QSizeF logoSize() {
    return {150.0, 38.0};
}

void paintLogo(QPainter& inPainter) {
    inPainter.setRenderHint(QPainter::Antialiasing);
    inPainter.setRenderHint(QPainter::TextAntialiasing);
    inPainter.save();
    inPainter.translate(0.0, 2.0);
    inPainter.scale(sLogoIconSide / sIconSide, sLogoIconSide / sIconSide);
    paintIcon(inPainter);
    inPainter.restore();

    QFont name("DejaVu Sans");
    name.setPixelSize(16);
    name.setBold(true);
    inPainter.setFont(name);
    inPainter.setPen(palette::sGlassMiddle);
    inPainter.drawText(QPointF(42.0, 18.0), "USB_Tavro");

    QFont what("DejaVu Sans");
    what.setPixelSize(10);
    inPainter.setFont(what);
    inPainter.setPen(palette::sSteelDark);
    inPainter.drawText(QPointF(42.0, 32.0), "FM transmitter");
}

} // namespace artwork
