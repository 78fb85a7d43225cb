// The gradient bar's arithmetic: filled end, bands and their colours, text and its colours.
#include "controls/GradientGeometry.h"

#include "Equality.h"

#include <gtest/gtest.h>

#include <optional>
#include <tuple>

using base::Rgb;
using namespace controls;

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
    const auto bands = SegmentBands({0, 100}, {0, 100}, Start, End, false);
    ASSERT_EQ(bands.size(), 100u);
    ExpectContiguous(bands, {0, 100});
    EXPECT_EQ(bands[0].color, Start);
    EXPECT_EQ(bands[50].color, Rgb(170, 129, 137)); // 50 x (-8 / 100) in floats cuts to -3
    const auto middle = SegmentBands({0, 10}, {3, 7}, Rgb(0, 0, 0), Rgb(10, 0, 0), false);
    ExpectContiguous(middle, {3, 7});
    EXPECT_EQ(middle.front().color, Rgb(3, 0, 0));
    EXPECT_EQ(SegmentBands({10, 20}, {10, 20}, Rgb(0, 0, 0), Rgb(5, 0, 0), false).size(), 5u);
    const auto wide = SegmentBands({0, 1000}, {0, 1000}, Rgb(0, 0, 0), Rgb(255, 255, 255), false);
    EXPECT_EQ(wide.back().color, Rgb(254, 254, 254)); // the end colour itself is never painted
    for (int width = 1; width <= 300; ++width) {
        ExpectContiguous(SegmentBands({0, width}, {0, width}, Rgb(0, 0, 0), Rgb(255, 9, 3), false),
                         {0, width});
    }
    // Nothing is painted beyond the segment, nor for a segment of no width.
    ExpectContiguous(SegmentBands({0, 10}, {0, 20}, Rgb(0, 0, 0), Rgb(9, 0, 0), false), {0, 10});
    EXPECT_TRUE(SegmentBands({0, 0}, {0, 0}, Rgb(0, 0, 0), Rgb(9, 9, 9), false).empty());
}

TEST(GradientBands, EqualColorsOrAFewColorsDisplayGiveOneFlatBand) {
    for (const auto& [from, to, flat] :
         {std::tuple{Rgb(1, 2, 3), Rgb(1, 2, 3), false}, std::tuple{Rgb(1, 2, 3), End, true},
          std::tuple{Rgb(0, 0, 0), Rgb(2, 0, 0), true}}) {
        const auto bands = SegmentBands({0, 50}, {0, 50}, from, to, flat);
        ASSERT_EQ(bands.size(), 1u);
        EXPECT_EQ(bands[0].span, (Span{0, 50}));
        EXPECT_EQ(bands[0].color, from);
    }
}

TEST(GradientSegments, ColorsShareTheExtentAndTheClipEndsTheWalk) {
    EXPECT_TRUE(GradientSegments({0, 100}, {0, 100}, 1).empty());
    const auto three = GradientSegments({0, 101}, {0, 101}, 4);
    ASSERT_EQ(three.size(), 3u);
    EXPECT_EQ(three[1].span, (Span{33, 67}));
    const auto clipped = GradientSegments({0, 100}, {0, 60}, 3);
    ASSERT_EQ(clipped.size(), 2u);
    EXPECT_EQ(clipped[1].clipped, (Span{50, 60}));
    EXPECT_EQ(clipped[1].firstColor, 1u);
    EXPECT_EQ(GradientSegments({0, 100}, {0, 150}, 2).size(), 1u);
    // Three tenths in single precision fall short: the last segment still ends at the end.
    EXPECT_EQ(GradientSegments({0, 10}, {0, 10}, 4).back().span, (Span{6, 10}));
}

TEST(BarGeometry, FilledEndAndPercent) {
    EXPECT_EQ(FilledEnd(47, 0, 100, 97), 45);
    EXPECT_EQ(FilledEnd(100, 0, 100, 97), 97);
    EXPECT_EQ(FilledEnd(15, 10, 20, 100), 50);
    EXPECT_FALSE(FilledEnd(101, 0, 100, 97));
    EXPECT_EQ(FilledEnd(5, 5, 5, 97), 0); // a range of no width counts as 1
    EXPECT_EQ(PercentOfRange(6, 5, 5), 100);
    EXPECT_EQ(PercentOfRange(47, 0, 100), 47);
    EXPECT_EQ(PercentOfRange(15, 10, 20), 50);
    EXPECT_EQ(PercentOfRange(2, 0, 3), 66);
    EXPECT_EQ(PercentOfRange(0x7FFFFFFF, 0, 0x7FFFFFFF), 100);
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
        EXPECT_EQ(FormatBarText(c.format, 47), c.text) << c.format;
    EXPECT_EQ(FormatBarText("%100d", 47)->size(), 100u);

    const auto split = TextPieces({0, 97}, {0, 40}, false);
    ASSERT_EQ(split.size(), 2u);
    EXPECT_EQ(split[1].span, (Span{40, 97}));
    EXPECT_TRUE(split[0].onBar && !split[1].onBar);
    // Nothing filled, all filled, or both colours equal: one piece.
    for (const auto& [pieces, onBar] : {std::pair{TextPieces({0, 97}, {0, 0}, false), false},
                                        std::pair{TextPieces({0, 97}, {0, 97}, false), true},
                                        std::pair{TextPieces({0, 97}, {0, 40}, true), true}}) {
        ASSERT_EQ(pieces.size(), 1u);
        EXPECT_EQ(pieces[0].span, (Span{0, 97}));
        EXPECT_EQ(pieces[0].onBar, onBar);
    }
}
