#pragma once

#include "host/Geometry.h"
#include "host/Image.h"

namespace host {

enum class CompositeOperation { SourceOver = 2 };
enum class FocusRingPlacement { Only = 0 };

// How far a focus ring reaches outside the outline it follows, in points. A view that draws one
// needs this much room around the outline inside its frame.
inline constexpr Float32 sFocusRingWidth = 3.0f;

// What a view draws with, in its own coordinates (origin lower left, y up).
class GraphicsContext {
public:
    virtual ~GraphicsContext() = default;

    // Draws the whole image, unscaled, with its lower-left corner at inPoint. A null image draws
    // nothing.
    virtual void compositeImage(const Image& inImage, Point inPoint,
                                CompositeOperation inOperation) = 0;
    // A stack of drawing states; the focus-ring style is part of each.
    virtual void saveGraphicsState() = 0;
    virtual void restoreGraphicsState() = 0;
    // With FocusRingPlacement::Only, a following fill paints only a focus ring along the
    // outline of the path, not its inside.
    virtual void setFocusRingStyle(FocusRingPlacement inPlacement) = 0;
    // Fills the oval inscribed in inRect.
    virtual void fillOval(const Rect& inRect) = 0;
};

} // namespace host
