#pragma once

#include "host/Types.h"

namespace host {

// Single-precision geometry, as views measure themselves.
struct Point {
    Float32 x = 0.0f;
    Float32 y = 0.0f;
    friend bool operator==(const Point&, const Point&) = default;
};

struct Size {
    Float32 width = 0.0f;
    Float32 height = 0.0f;
    friend bool operator==(const Size&, const Size&) = default;
};

struct Rect {
    Point origin;
    Size size;
    friend bool operator==(const Rect&, const Rect&) = default;

    bool contains(Point inPoint) const {
        return inPoint.x >= origin.x && inPoint.y >= origin.y &&
               inPoint.x < origin.x + size.width && inPoint.y < origin.y + size.height;
    }
};

} // namespace host
