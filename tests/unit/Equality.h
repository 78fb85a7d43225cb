#pragma once
// Equality of the program's plain value types, for the tests' comparisons.
#include "controls/GradientGeometry.h"
#include "controls/PixelGeometry.h"

namespace controls {
inline bool operator==(const PixelPoint& a, const PixelPoint& b) {
    return a.x == b.x && a.y == b.y;
}
inline bool operator==(const PixelSize& a, const PixelSize& b) {
    return a.width == b.width && a.height == b.height;
}
inline bool operator==(const PixelRect& a, const PixelRect& b) {
    return a.left == b.left && a.top == b.top && a.right == b.right && a.bottom == b.bottom;
}
inline bool operator==(const Span& a, const Span& b) {
    return a.start == b.start && a.end == b.end;
}
} // namespace controls
