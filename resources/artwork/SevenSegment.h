#pragma once

#include <QPainter>
#include <QPolygonF>
#include <QRectF>

#include <vector>

namespace artwork {

// The read-out's glyphs: seven-segment digits, leaning slightly forward like a real display.
// Every glyph stands in an image of digitSize() (the point in pointSize()) whose lower-left
// corner sits on the read-out's baseline.
QSizeF digitSize();
QSizeF pointSize();

// Segments a to g, as bits 0 to 6.
using Segments = unsigned;
inline constexpr Segments sAllSegments = 0x7F;
inline constexpr Segments sMiddleSegment = 1u << 6;
Segments segmentsOf(int inDigit);

// The outlines of inSegments in a digit image whose top-left corner is at inOrigin.
std::vector<QPolygonF> digitOutlines(Segments inSegments, QPointF inOrigin = {});
// The decimal point in a point image whose top-left corner is at inOrigin.
QPolygonF pointOutline(QPointF inOrigin = {});

// Paints outlines as lit segments: a soft halo, then the segment itself.
void paintLit(QPainter& inPainter, const std::vector<QPolygonF>& inOutlines);
// Paints outlines as the faint unlit segments of the display glass.
void paintUnlit(QPainter& inPainter, const std::vector<QPolygonF>& inOutlines);

} // namespace artwork
