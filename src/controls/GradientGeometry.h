#pragma once
// The arithmetic of the gradient text bar: where the filled part ends, how the
// gradient is cut into segments and bands, which colour each band has, the bar
// text and where it changes colour. The Win32 control only applies it.
#include "base/Color.h"

#include <optional>
#include <string>
#include <vector>

namespace controls {

// Pixel offsets (start, end) from the left edge of the painted rectangle.
struct Span {
    int start = 0;
    int end = 0;
    bool Empty() const { return end <= start; }
    int Width() const { return end - start; }
};

// One solid fill of the gradient.
struct Band {
    Span span;
    base::Color color = 0;
};

// End of the filled part of a bar `length` pixels long, or nothing when the
// position lies outside [lower, upper]. A range of zero width counts as 1.
std::optional<int> FilledEnd(int position, int lower, int upper, int length);

// The integer the percent mode prints: the share of the range reached, cut toward zero.
int PercentOfRange(int position, int lower, int upper);

// The bands of one colour pair over `segment`, limited to `clip`: at most 256,
// never more than the segment's pixels; `flatFill` (a display of fewer than
// 8 bits without palette) collapses them into one band of the start colour.
std::vector<Band> SegmentBands(Span segment, Span clip, base::Color startColor,
                               base::Color endColor, bool flatFill);

// A colour pair's segment of the gradient over `extent`.
struct Segment {
    Span span;
    Span clipped;
    std::size_t firstColor = 0;
};

// The segments of `extent` that `clip` shows, one per neighbouring colour pair.
std::vector<Segment> GradientSegments(Span extent, Span clip, std::size_t colorCount);

// The bar text: `format` applied to `value` with printf rules. A format that is
// not plain text with at most one integer conversion yields nothing, since the
// window text can be set from outside the program.
std::optional<std::string> FormatBarText(const std::string& format, int value);

// Where the bar text is drawn in which colour: over the filled part in the
// colour for the bar, beyond it in the colour for the background.
struct TextPiece {
    Span span;
    bool onBar = true;
};
std::vector<TextPiece> TextPieces(Span full, Span filled, bool sameColors);

} // namespace controls
