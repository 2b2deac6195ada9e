#include "Logo.h"

#include "Face.h"
#include "Knob.h"

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
    return {38.0, 38.0};
}

// The icon alone: the name beside it is text of the interface file, in the desktop's colours, so
// that it stays readable on a dark or high-contrast desktop.
void paintLogo(QPainter& inPainter) {
    inPainter.setRenderHint(QPainter::Antialiasing);
    inPainter.translate(2.0, 2.0);
    inPainter.scale(sLogoIconSide / sIconSide, sLogoIconSide / sIconSide);
    paintIcon(inPainter);
}

} // namespace artwork
