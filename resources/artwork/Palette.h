#pragma once

#include <QColor>

// The dial's colours: graphite glass in a brushed-steel bezel, with an amber display.
namespace artwork::palette {

inline const QColor sSegment{255, 160, 32};
inline const QColor sSegmentHot{255, 212, 120};
inline const QColor sSegmentHalo{255, 150, 20, 60};
inline const QColor sSegmentUnlit{255, 170, 60, 18};

inline const QColor sGlassTop{58, 63, 70};
inline const QColor sGlassMiddle{36, 40, 45};
inline const QColor sGlassEdge{20, 22, 25};

inline const QColor sWindow{7, 8, 9};
inline const QColor sShadow{0, 0, 0};
inline const QColor sHighlight{255, 255, 255};

inline const QColor sSteelLight{232, 235, 238};
inline const QColor sSteelMiddle{150, 156, 162};
inline const QColor sSteelDark{96, 102, 108};

} // namespace artwork::palette
