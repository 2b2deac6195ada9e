#pragma once

#include "host/GraphicsContext.h"

class QPainter;
class QWidget;

namespace host {

// Draws on a QPainter that paints inWidget, turning the view's y-up coordinates into Qt's.
class PainterContext final : public GraphicsContext {
public:
    PainterContext(QPainter& inPainter, const QWidget& inWidget);

    void compositeImage(const Image& inImage, Point inPoint,
                        CompositeOperation inOperation) override;
    void saveGraphicsState() override;
    void restoreGraphicsState() override;
    void setFocusRingStyle(FocusRingPlacement inPlacement) override;
    void fillOval(const Rect& inRect) override;

private:
    QPainter& mPainter;
    const QWidget& mWidget;
    bool mFocusRingOnly = false;
};

} // namespace host
