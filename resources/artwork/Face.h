#pragma once

#include <QPainter>
#include <QSizeF>

namespace artwork {

// The dial face: a steel bezel engraved with the scale of the knob's travel, a graphite glass
// disc with the knob's track, and the display window behind the read-out. Its circle of radius
// 64 is centred 64 right of and 71 above its lower-left corner; the rest is the disc's shadow.
QSizeF faceSize();
void paintFace(QPainter& inPainter);

} // namespace artwork
