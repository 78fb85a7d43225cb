#include "controls/GradientGeometry.h"

#include "base/Format.h"

#include <algorithm>
#include <cstdlib>

namespace controls {

namespace {

// i × a single-precision step, cut toward zero. The product is taken in double
// precision, so 50 × (-8 / 100.0f) gives -3 and not -4.
int Scaled(int i, float step) {
    return static_cast<int>(static_cast<double>(step) * i);
}

int ChannelAt(unsigned start, int i, float increment) {
    return static_cast<int>((static_cast<int>(start) + Scaled(i, increment)) & 0xFF);
}

// Cuts `whole` into `count` pieces of a single-precision width: piece i runs
// from (i x width) to ((i + 1) x width), each cut toward zero, and the last
// ends exactly at the end of `whole`. Pieces that end before `clip` starts
// are skipped; the others are visited with the part of them inside `clip`,
// until one reaches the end of `clip`.
template <typename Visit> void ForEachPiece(Span whole, int count, Span clip, Visit visit) {
    const float width = static_cast<float>(whole.Width()) / count;
    for (int i = 0; i < count; ++i) {
        Span piece{whole.start + Scaled(i, width), whole.start + Scaled(i + 1, width)};
        if (i == count - 1) {
            piece.end = whole.end;
        }
        if (piece.end < clip.start) {
            continue;
        }
        visit(i, piece, Span{std::max(piece.start, clip.start), std::min(piece.end, clip.end)});
        if (piece.end >= clip.end) {
            break;
        }
    }
}

} // namespace

std::optional<int> FilledEnd(int position, int lower, int upper, int length) {
    if (position < lower || position > upper) {
        return std::nullopt;
    }
    const long long range = upper - lower == 0 ? 1 : static_cast<long long>(upper) - lower;
    const double end =
        (static_cast<double>(position) - lower) * length / static_cast<double>(range);
    return static_cast<int>(end);
}

int PercentOfRange(int position, int lower, int upper) {
    const long long range = upper - lower == 0 ? 1 : static_cast<long long>(upper) - lower;
    return static_cast<int>((static_cast<double>(position) - lower) * 100.0f /
                            static_cast<double>(range));
}

std::vector<Band> SegmentBands(Span segment, Span clip, base::Color startColor,
                               base::Color endColor, bool flatFill) {
    const int dr =
        static_cast<int>(base::RedOf(endColor)) - static_cast<int>(base::RedOf(startColor));
    const int dg =
        static_cast<int>(base::GreenOf(endColor)) - static_cast<int>(base::GreenOf(startColor));
    const int db =
        static_cast<int>(base::BlueOf(endColor)) - static_cast<int>(base::BlueOf(startColor));
    int steps = std::max({std::abs(dr), std::abs(dg), std::abs(db)});
    steps = std::min(steps, segment.Width());
    if (steps <= 0) {
        steps = 1;
    }
    const float incRed = static_cast<float>(dr) / steps;
    const float incGreen = static_cast<float>(dg) / steps;
    const float incBlue = static_cast<float>(db) / steps;
    if (flatFill && steps > 1) {
        steps = 1;
    }
    std::vector<Band> bands;
    ForEachPiece(segment, steps, clip, [&](int i, Span, Span shown) {
        if (!shown.Empty()) {
            bands.push_back({shown, base::Rgb(ChannelAt(base::RedOf(startColor), i, incRed),
                                              ChannelAt(base::GreenOf(startColor), i, incGreen),
                                              ChannelAt(base::BlueOf(startColor), i, incBlue))});
        }
    });
    return bands;
}

std::vector<Segment> GradientSegments(Span extent, Span clip, std::size_t colorCount) {
    std::vector<Segment> segments;
    if (colorCount < 2) {
        return segments;
    }
    ForEachPiece(extent, static_cast<int>(colorCount - 1), clip,
                 [&](int i, Span piece, Span shown) {
                     segments.push_back({piece, shown, static_cast<std::size_t>(i)});
                 });
    return segments;
}

std::optional<std::string> FormatBarText(const std::string& format, int value) {
    int conversions = 0;
    for (std::size_t i = 0; i < format.size(); ++i) {
        if (format[i] != '%') {
            continue;
        }
        std::size_t j = i + 1;
        if (j < format.size() && format[j] == '%') {
            i = j;
            continue;
        }
        while (j < format.size() && std::string("-+ #0").find(format[j]) != std::string::npos) {
            ++j;
        }
        std::size_t digits = 0;
        while (j < format.size() && format[j] >= '0' && format[j] <= '9' && digits < 3) {
            ++j;
            ++digits;
        }
        if (j >= format.size() || std::string("dixXuo").find(format[j]) == std::string::npos) {
            return std::nullopt;
        }
        if (++conversions > 1) {
            return std::nullopt;
        }
        i = j;
    }
    return base::Format(format.c_str(), value);
}

std::vector<TextPiece> TextPieces(Span full, Span filled, bool sameColors) {
    if (sameColors) {
        return {{full, true}};
    }
    std::vector<TextPiece> pieces;
    if (!filled.Empty()) {
        pieces.push_back({filled, true});
    }
    if (full.end > filled.end) {
        pieces.push_back({{filled.end, full.end}, false});
    }
    return pieces;
}

} // namespace controls
