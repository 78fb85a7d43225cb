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

// What a colour on the screen stands for. Out of high contrast each has the
// program's own colour, or the system's where the window takes that; in high
// contrast each gives way to the system colour of its kind, and the warnings
// take the highlight colour, which the scheme keeps distinct from plain text.
enum class ColorUse {
    Text,                // plain text
    Title,               // the group titles: dark blue
    Figure,              // the capacities: brick red
    Fine,                // enough free space, the system drive: blue
    Warning,             // little free space, much used: red
    Background,          // the window's background and its labels'
    AboutBackground,     // a very light green
    AboutText,           // black
    BarStart,            // the gradient's first colour
    BarEnd,              // and its last
    BarTextOnBar,        // a bar's text over its filled part
    BarTextOnBackground, // and beyond it
    Frame,               // the black frames of a selected menu row or focused button
};

// The system colours that the program's colours give way to.
struct SystemColors {
    Color windowText = 0;
    Color window = 0;
    Color highlight = 0;
    Color highlightText = 0;
    Color buttonText = 0;
};

struct ColorScheme {
    bool highContrast = false;
    SystemColors system;
};

Color ColorFor(ColorUse use, const ColorScheme& scheme);

} // namespace base
