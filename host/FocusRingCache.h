#pragma once

#include <QColor>
#include <QImage>
#include <QRectF>

class QPainter;

namespace host {

// A view's focus ring, drawn once and kept: an antialiased ring costs several times what the
// rest of a small view does, and it only changes with its size, colour and the screen's scale.
class FocusRingCache {
public:
    // Draws a band inWidth points wide just outside inOval (in the painter's coordinates).
    void draw(QPainter& inPainter, const QRectF& inOval, const QColor& inColor, qreal inWidth);

private:
    QImage mImage;
    QSizeF mOvalSize;
    QRgb mColor = 0;
    qreal mWidth = 0.0;
    qreal mScale = 0.0;
};

} // namespace host
