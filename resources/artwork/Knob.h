#pragma once

#include <QPainter>
#include <QSizeF>

namespace artwork {

// The knob marker: a finger dimple with an amber light, centred in its 16 x 16 image.
QSizeF knobSize();
void paintKnob(QPainter& inPainter);

} // namespace artwork
