#pragma once

#include "host/Geometry.h"
#include "host/GraphicsContext.h"

// Fixed points of the dial, in its own coordinates (origin lower left, y up). The images are
// drawn to fit them.
inline constexpr host::Point sCenterPt{68.0f,
                                       75.0f};    // centre of the face, knob circle and hit circle
inline constexpr host::Point sFacePt{4.0f, 4.0f}; // lower-left corner of the dial face
inline constexpr host::Point sHundredsPt{32.0f, 62.0f};
inline constexpr host::Point sTensPt{47.0f, 62.0f};
inline constexpr host::Point sOnesPt{62.0f, 62.0f};
inline constexpr host::Point sPointPt{77.0f, 62.0f};
inline constexpr host::Point sTenthsPt{81.0f, 62.0f};

// Presses within this distance of the centre belong to the dial; the face's circle and the focus
// ring follow the same circle.
inline constexpr Float32 sHitRadius = 64.0f;

// The frequency moves in steps of this many kHz, by the knob as by the keys.
inline constexpr SInt32 sFrequencyStep = 100;
inline constexpr double sPi = 3.141592653589793;

// The dial's frame: the focus ring's square, (4, 11) to (132, 139), and room for the ring's
// stroke outside it.
inline constexpr int sDialWidth = 136;
inline constexpr int sDialHeight = 143;

static_assert(sCenterPt.x - sHitRadius - host::sFocusRingWidth >= 0.0f &&
                  sCenterPt.y - sHitRadius - host::sFocusRingWidth >= 0.0f &&
                  sCenterPt.x + sHitRadius + host::sFocusRingWidth <= Float32{sDialWidth} &&
                  sCenterPt.y + sHitRadius + host::sFocusRingWidth <= Float32{sDialHeight},
              "the frame must hold the focus ring");
