#pragma once
// Plain pixel rectangles, points and sizes with the RECT / POINT / SIZE layout,
// so that the layout rules of the controls can be checked without a window.

namespace controls {

struct PixelPoint {
    int x = 0;
    int y = 0;
};

struct PixelSize {
    int width = 0;
    int height = 0;
};

struct PixelRect {
    int left = 0;
    int top = 0;
    int right = 0;
    int bottom = 0;
    int Width() const { return right - left; }
    int Height() const { return bottom - top; }
    void Offset(int dx, int dy) {
        left += dx;
        right += dx;
        top += dy;
        bottom += dy;
    }
};

} // namespace controls
