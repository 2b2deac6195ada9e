#pragma once

#include <QPainter>
#include <QSizeF>

namespace artwork {

// The program's icon: the dial face with its knob, in a square.
QSizeF iconSize();
void paintIcon(QPainter& inPainter);

// The pane's logo: the icon small; the interface file sets the name beside it.
QSizeF logoSize();
void paintLogo(QPainter& inPainter);

} // namespace artwork
