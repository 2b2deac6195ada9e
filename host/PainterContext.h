#pragma once

#include "host/GraphicsContext.h"

#include <vector>

class QPainter;
class QRectF;
class QWidget;

namespace host {

class FocusRingCache;

// Draws on a QPainter that paints inWidget, turning the view's y-up coordinates into Qt's.
// Images land on whole device pixels, from their double-resolution version where the device
// has more than one pixel per point, so that they stay sharp at any scale.
class PainterContext final : public GraphicsContext {
public:
    // inRingCache, when given, keeps the focus ring's picture between drawings.
    PainterContext(QPainter& inPainter, const QWidget& inWidget,
                   FocusRingCache* inRingCache = nullptr);

    void compositeImage(const Image& inImage, Point inPoint,
                        CompositeOperation inOperation) override;
    void saveGraphicsState() override;
    void restoreGraphicsState() override;
    void setFocusRingStyle(FocusRingPlacement inPlacement) override;
    void fillOval(const Rect& inRect) override;

private:
    QRectF toQt(const Rect& inRect) const;
    void strokeFocusRing(const QRectF& inOval);

    QPainter& mPainter;
    const QWidget& mWidget;
    FocusRingCache* mRingCache;
    bool mFocusRingOnly = false;
    std::vector<bool> mSavedFocusRingOnly;
};

} // namespace host
