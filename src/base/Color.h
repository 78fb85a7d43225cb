#pragma once
#include <cstdint>

namespace base {

// A colour as the Windows GDI stores it: red in the low byte, then green, then blue.
using Color = std::uint32_t;

constexpr Color Rgb(unsigned red, unsigned green, unsigned blue) {
    return static_cast<Color>((red & 0xFFu) | ((green & 0xFFu) << 8) | ((blue & 0xFFu) << 16));
}
constexpr unsigned RedOf(Color c) {
    return c & 0xFFu;
}
constexpr unsigned GreenOf(Color c) {
    return (c >> 8) & 0xFFu;
}
constexpr unsigned BlueOf(Color c) {
    return (c >> 16) & 0xFFu;
}

namespace colors {
// The colours of the rules that warn about space.
constexpr Color Red = Rgb(255, 0, 0);
constexpr Color MediumBlue = Rgb(0, 0, 205);
} // namespace colors

} // namespace base
