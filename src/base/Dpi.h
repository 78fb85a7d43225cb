#pragma once
// Pixel quantities at a screen's DPI. Every length of the program is given as
// it is at 96 DPI (100 %) and scaled to the DPI of the window it is drawn in.

namespace base {

constexpr int DefaultDpi = 96;

// `value` pixels at 96 DPI, at `dpi`: value × dpi / 96 rounded to the nearest
// integer, halves away from zero (as MulDiv rounds). A DPI of 0 or less
// counts as 96.
constexpr int Scale(int value, int dpi) {
    if (dpi <= 0 || dpi == DefaultDpi) {
        return value;
    }
    const long long product = static_cast<long long>(value) * dpi;
    const long long half = DefaultDpi / 2;
    return static_cast<int>(product >= 0 ? (product + half) / DefaultDpi
                                         : -((-product + half) / DefaultDpi));
}

} // namespace base
