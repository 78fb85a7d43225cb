// The gradient bar's arithmetic: the filled end, the bands and their colours,
// the text and where it changes colour.
#include "controls/GradientGeometry.h"

#include "Equality.h"

#include <gtest/gtest.h>

#include <optional>
#include <tuple>

using base::Rgb;
using controls::Band;
using controls::Span;

namespace {

const base::Color Start = Rgb(173, 216, 230);
const base::Color End = Rgb(165, 42, 42);

// Bands must tile the covered part of the bar without gaps, overlaps or empty bands.
void ExpectContiguous(const std::vector<Band>& bands, Span covered) {
    ASSERT_FALSE(bands.empty());
    EXPECT_EQ(bands.front().span.start, covered.start);
    EXPECT_EQ(bands.back().span.end, covered.end);
    for (std::size_t i = 1; i < bands.size(); ++i) {
        EXPECT_EQ(bands[i].span.start, bands[i - 1].span.end) << "band " << i;
        EXPECT_FALSE(bands[i].span.Empty()) << "band " << i;
    }
}

} // namespace

TEST(GradientBands, OneBandPerShadeAtMostOnePerPixelInTheColorsOfTheWholeSegment) {
    const auto bands = controls::SegmentBands({0, 100}, {0, 100}, Start, End, false);
    ASSERT_EQ(bands.size(), 100u);
    ExpectContiguous(bands, {0, 100});
    EXPECT_EQ(bands[0].color, Start);
    EXPECT_EQ(bands[1].color, Rgb(173, 215, 229));
    EXPECT_EQ(bands[50].color, Rgb(170, 129, 137)); // 50 x (-8 / 100) in floats cuts to -3
    EXPECT_EQ(bands[99].color, Rgb(166, 44, 44));
    const auto clipped = controls::SegmentBands({0, 100}, {0, 40}, Start, End, false);
    ASSERT_EQ(clipped.size(), 40u);
    EXPECT_EQ(clipped[39].color, bands[39].color);
    const auto middle = controls::SegmentBands({0, 10}, {3, 7}, Rgb(0, 0, 0), Rgb(10, 0, 0), false);
    ExpectContiguous(middle, {3, 7});
    EXPECT_EQ(middle.front().color, Rgb(3, 0, 0));

    EXPECT_EQ(controls::SegmentBands({3, 13}, {3, 13}, Start, End, false).size(), 10u);
    const auto offset =
        controls::SegmentBands({10, 20}, {10, 20}, Rgb(0, 0, 0), Rgb(5, 0, 0), false);
    ASSERT_EQ(offset.size(), 5u);
    EXPECT_EQ(offset[0].span, (Span{10, 12}));
    const auto wide =
        controls::SegmentBands({0, 1000}, {0, 1000}, Rgb(0, 0, 0), Rgb(255, 255, 255), false);
    EXPECT_EQ(wide.size(), 255u);
    EXPECT_EQ(wide.back().color, Rgb(254, 254, 254)); // the end colour itself is never painted
    for (int width = 1; width <= 300; ++width) {
        ExpectContiguous(
            controls::SegmentBands({0, width}, {0, width}, Rgb(0, 0, 0), Rgb(255, 9, 3), false),
            {0, width});
    }
    // Nothing is painted beyond the segment, nor for a segment of no width.
    ExpectContiguous(controls::SegmentBands({0, 10}, {0, 20}, Rgb(0, 0, 0), Rgb(9, 0, 0), false),
                     {0, 10});
    EXPECT_TRUE(controls::SegmentBands({0, 0}, {0, 0}, Rgb(0, 0, 0), Rgb(9, 9, 9), false).empty());
}

TEST(GradientBands, EqualColorsOrAFewColorsDisplayGiveOneFlatBand) {
    for (const auto& [from, to, flat] :
         {std::tuple{Rgb(1, 2, 3), Rgb(1, 2, 3), false}, std::tuple{Rgb(1, 2, 3), End, true},
          std::tuple{Rgb(0, 0, 0), Rgb(2, 0, 0), true}}) {
        const auto bands = controls::SegmentBands({0, 50}, {0, 50}, from, to, flat);
        ASSERT_EQ(bands.size(), 1u);
        EXPECT_EQ(bands[0].span, (Span{0, 50}));
        EXPECT_EQ(bands[0].color, from);
    }
}

TEST(GradientSegments, ColorsShareTheExtentAndTheClipEndsTheWalk) {
    EXPECT_TRUE(controls::GradientSegments({0, 100}, {0, 100}, 1).empty());
    const auto three = controls::GradientSegments({0, 101}, {0, 101}, 4);
    ASSERT_EQ(three.size(), 3u);
    EXPECT_EQ(three[0].span, (Span{0, 33}));
    EXPECT_EQ(three[1].span, (Span{33, 67}));
    EXPECT_EQ(three[2].span, (Span{67, 101}));
    const auto clipped = controls::GradientSegments({0, 100}, {0, 60}, 3);
    ASSERT_EQ(clipped.size(), 2u);
    EXPECT_EQ(clipped[1].span, (Span{50, 100}));
    EXPECT_EQ(clipped[1].clipped, (Span{50, 60}));
    EXPECT_EQ(clipped[1].firstColor, 1u);
    EXPECT_EQ(controls::GradientSegments({0, 100}, {0, 150}, 2).size(), 1u);
    // Three tenths in single precision fall short of the whole: the last segment
    // still ends at the extent's end.
    EXPECT_EQ(controls::GradientSegments({0, 10}, {0, 10}, 4).back().span, (Span{6, 10}));
}

TEST(BarGeometry, FilledEndAndPercent) {
    EXPECT_EQ(controls::FilledEnd(47, 0, 100, 97), 45);
    EXPECT_EQ(controls::FilledEnd(0, 0, 100, 97), 0);
    EXPECT_EQ(controls::FilledEnd(100, 0, 100, 97), 97);
    EXPECT_EQ(controls::FilledEnd(15, 10, 20, 100), 50);
    EXPECT_FALSE(controls::FilledEnd(101, 0, 100, 97));
    EXPECT_FALSE(controls::FilledEnd(-1, 0, 100, 97));
    EXPECT_EQ(controls::FilledEnd(5, 5, 5, 97), 0); // a range of no width counts as 1
    EXPECT_EQ(controls::PercentOfRange(6, 5, 5), 100);
    EXPECT_EQ(controls::PercentOfRange(47, 0, 100), 47);
    EXPECT_EQ(controls::PercentOfRange(15, 10, 20), 50);
    EXPECT_EQ(controls::PercentOfRange(2, 0, 3), 66);
    EXPECT_EQ(controls::PercentOfRange(0x7FFFFFFF, 0, 0x7FFFFFFF), 100);
}

TEST(BarText, OneIntegerWithFlagsAndUpToThreeWidthDigitsChangingColorAtTheFilledEnd) {
    const struct {
        const char* format;
        std::optional<std::string> text;
    } cases[] = {
        {"%d%%", "47%"},   {"Used %d%%", "Used 47%"},
        {"%3d%%", " 47%"}, {"%03d", "047"},
        {"%-3d|", "47 |"}, {"%9d", "       47"},
        {"", ""},          {"%s", {}},
        {"%d %d", {}},     {"%n", {}},
        {"%1000d", {}},    {"50%", {}},
        {"%", {}},
    };
    for (const auto& c : cases)
        EXPECT_EQ(controls::FormatBarText(c.format, 47), c.text) << c.format;
    EXPECT_EQ(controls::FormatBarText("%100d", 47)->size(), 100u);
    EXPECT_EQ(controls::FormatBarText("%10d", 47)->size(), 10u);

    using controls::TextPieces;
    const auto split = TextPieces({0, 97}, {0, 40}, false);
    ASSERT_EQ(split.size(), 2u);
    EXPECT_EQ(split[0].span, (Span{0, 40}));
    EXPECT_TRUE(split[0].onBar);
    EXPECT_EQ(split[1].span, (Span{40, 97}));
    EXPECT_FALSE(split[1].onBar);
    // Nothing filled, all filled, or both colours equal: one piece.
    for (const auto& [pieces, onBar] : {std::pair{TextPieces({0, 97}, {0, 0}, false), false},
                                        std::pair{TextPieces({0, 97}, {0, 97}, false), true},
                                        std::pair{TextPieces({0, 97}, {0, 40}, true), true}}) {
        ASSERT_EQ(pieces.size(), 1u);
        EXPECT_EQ(pieces[0].span, (Span{0, 97}));
        EXPECT_EQ(pieces[0].onBar, onBar);
    }
}
