#include "controls/GradientGeometry.h"

#include <gtest/gtest.h>

#include <optional>

using base::Rgb;
using controls::Band;
using controls::Span;

namespace {

// Bands must tile the clipped part of the bar without gaps or overlaps.
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

TEST(GradientBands, HundredPixelSegmentOfTheBarColours) {
    const auto bands =
        controls::SegmentBands({0, 100}, {0, 100}, Rgb(173, 216, 230), Rgb(165, 42, 42), false);
    ASSERT_EQ(bands.size(), 100u);
    ExpectContiguous(bands, {0, 100});
    for (const Band& band : bands) {
        EXPECT_EQ(band.span.Width(), 1);
    }
    EXPECT_EQ(bands[0].color, Rgb(173, 216, 230));
    EXPECT_EQ(bands[1].color, Rgb(173, 215, 229));
    // Single-precision increments: 50 x (-8 / 100) cuts to -3, not -4.
    EXPECT_EQ(bands[50].color, Rgb(170, 129, 137));
    EXPECT_EQ(bands[99].color, Rgb(166, 44, 44));
}

TEST(GradientBands, BandCountIsCappedByColourDifferencePixelsAndDepth) {
    const auto narrow =
        controls::SegmentBands({3, 13}, {3, 13}, Rgb(173, 216, 230), Rgb(165, 42, 42), false);
    EXPECT_EQ(narrow.size(), 10u);
    ExpectContiguous(narrow, {3, 13});

    const auto wide =
        controls::SegmentBands({0, 1000}, {0, 1000}, Rgb(0, 0, 0), Rgb(255, 255, 255), false);
    EXPECT_EQ(wide.size(), 255u);
    ExpectContiguous(wide, {0, 1000});
    EXPECT_EQ(wide.back().color, Rgb(254, 254, 254)); // the end colour itself is never painted

    // Equal colours, and any colours on a display under 8 bits: one flat band.
    for (const auto& flat :
         {controls::SegmentBands({0, 50}, {0, 50}, Rgb(1, 2, 3), Rgb(1, 2, 3), false),
          controls::SegmentBands({0, 50}, {0, 50}, Rgb(1, 2, 3), Rgb(200, 100, 0), true)}) {
        ASSERT_EQ(flat.size(), 1u);
        EXPECT_EQ(flat[0].span, (Span{0, 50}));
        EXPECT_EQ(flat[0].color, Rgb(1, 2, 3));
    }
    EXPECT_TRUE(controls::SegmentBands({0, 0}, {0, 0}, Rgb(0, 0, 0), Rgb(9, 9, 9), false).empty());
}

TEST(GradientBands, ClipShowsOnlyItsPartWithTheColoursOfTheWholeSegment) {
    const auto whole =
        controls::SegmentBands({0, 100}, {0, 100}, Rgb(173, 216, 230), Rgb(165, 42, 42), false);
    const auto clipped =
        controls::SegmentBands({0, 100}, {0, 40}, Rgb(173, 216, 230), Rgb(165, 42, 42), false);
    ASSERT_EQ(clipped.size(), 40u);
    ExpectContiguous(clipped, {0, 40});
    EXPECT_EQ(clipped[39].color, whole[39].color);

    const auto middle = controls::SegmentBands({0, 10}, {3, 7}, Rgb(0, 0, 0), Rgb(10, 0, 0), false);
    ExpectContiguous(middle, {3, 7});
    EXPECT_EQ(middle.front().color, Rgb(3, 0, 0));
}

TEST(GradientBands, EveryWidthIsTiledToItsEndAndNothingBeyondTheSegmentIsPainted) {
    for (int width = 1; width <= 300; ++width) {
        ExpectContiguous(
            controls::SegmentBands({0, width}, {0, width}, Rgb(0, 0, 0), Rgb(255, 9, 3), false),
            {0, width});
    }
    ExpectContiguous(controls::SegmentBands({0, 10}, {0, 20}, Rgb(0, 0, 0), Rgb(9, 0, 0), false),
                     {0, 10});
    // Two shades apart on a display without enough colours: still one flat band.
    EXPECT_EQ(controls::SegmentBands({0, 50}, {0, 50}, Rgb(0, 0, 0), Rgb(2, 0, 0), true).size(), 1u);
    EXPECT_EQ(controls::GradientSegments({0, 100}, {0, 150}, 2).size(), 1u);
    EXPECT_FALSE((Span{0, 40} == Span{0, 97}));
    EXPECT_FALSE((Span{1, 97} == Span{0, 97}));
}

TEST(GradientSegments, ColoursShareTheExtentAndTheLastSegmentEndsAtItsEnd) {
    EXPECT_TRUE(controls::GradientSegments({0, 100}, {0, 100}, 0).empty());
    EXPECT_TRUE(controls::GradientSegments({0, 100}, {0, 100}, 1).empty());

    const auto three = controls::GradientSegments({0, 101}, {0, 101}, 4);
    ASSERT_EQ(three.size(), 3u);
    EXPECT_EQ(three[0].span, (Span{0, 33}));
    EXPECT_EQ(three[1].span, (Span{33, 67}));
    EXPECT_EQ(three[2].span, (Span{67, 101}));

    // A clip ending inside the second segment stops the walk there.
    const auto clipped = controls::GradientSegments({0, 100}, {0, 60}, 3);
    ASSERT_EQ(clipped.size(), 2u);
    EXPECT_EQ(clipped[1].span, (Span{50, 100}));
    EXPECT_EQ(clipped[1].clipped, (Span{50, 60}));
    EXPECT_EQ(clipped[1].firstColor, 1u);
}

TEST(GradientBands, WholeBarGradientShowsTheFilledShareOfIt) {
    const std::vector<base::Color> colors{Rgb(0, 0, 0), Rgb(200, 0, 0)};
    const auto onBar = controls::GradientBands({0, 50}, {0, 50}, colors, false);
    const auto overAll = controls::GradientBands({0, 100}, {0, 50}, colors, false);
    ExpectContiguous(onBar, {0, 50});
    ExpectContiguous(overAll, {0, 50});
    EXPECT_EQ(onBar.back().color, Rgb(196, 0, 0));
    EXPECT_EQ(overAll.back().color, Rgb(98, 0, 0));
    EXPECT_TRUE(controls::GradientBands({0, 100}, {0, 100}, {Rgb(5, 5, 5)}, false).empty());
}

TEST(BarGeometry, FilledEndAndPercent) {
    EXPECT_EQ(controls::FilledEnd(47, 0, 100, 97), 45);
    EXPECT_EQ(controls::FilledEnd(0, 0, 100, 97), 0);
    EXPECT_EQ(controls::FilledEnd(100, 0, 100, 97), 97);
    EXPECT_EQ(controls::FilledEnd(15, 10, 20, 100), 50);
    EXPECT_FALSE(controls::FilledEnd(101, 0, 100, 97));
    EXPECT_FALSE(controls::FilledEnd(-1, 0, 100, 97));
    // A range of zero width counts as width 1.
    EXPECT_EQ(controls::FilledEnd(5, 5, 5, 97), 0);
    EXPECT_EQ(controls::PercentOfRange(5, 5, 5), 0);
    EXPECT_EQ(controls::PercentOfRange(47, 0, 100), 47);
    EXPECT_EQ(controls::PercentOfRange(1, 0, 3), 33);
    EXPECT_EQ(controls::PercentOfRange(2, 0, 3), 66);
    EXPECT_EQ(controls::PercentOfRange(0x7FFFFFFF, 0, 0x7FFFFFFF), 100);
    EXPECT_EQ(controls::PercentOfRange(15, 10, 20), 50);
    EXPECT_EQ(controls::PercentOfRange(6, 5, 5), 100); // a range of no width counts as 1
}

TEST(BarText, FormatTakesOneIntegerWithFlagsAndUpToThreeWidthDigits) {
    const struct {
        const char* format;
        std::optional<std::string> text;
    } cases[] = {
        {"%d%%", "47%"},       {"Used %d%%", "Used 47%"}, {"%3d%%", " 47%"},  {"%03d", "047"},
        {"%-3d|", "47 |"},     {"%9d", "       47"},      {"", ""},           {"%s", {}},
        {"%d %d", {}},         {"%n", {}},                {"%1000d", {}},     {"50%", {}},
        {"%", {}},
    };
    for (const auto& c : cases) {
        EXPECT_EQ(controls::FormatBarText(c.format, 47), c.text) << c.format;
    }
    EXPECT_EQ(controls::FormatBarText("%100d", 47)->size(), 100u);
    EXPECT_EQ(controls::FormatBarText("%10d", 47)->size(), 10u);
}

TEST(BarText, ChangesColourExactlyAtTheFilledEnd) {
    using controls::TextPieces;
    const auto split = TextPieces({0, 97}, {0, 40}, false);
    ASSERT_EQ(split.size(), 2u);
    EXPECT_EQ(split[0].span, (Span{0, 40}));
    EXPECT_TRUE(split[0].onBar);
    EXPECT_EQ(split[1].span, (Span{40, 97}));
    EXPECT_FALSE(split[1].onBar);
    // Nothing filled, all filled, or both colours equal: one piece.
    EXPECT_FALSE(TextPieces({0, 97}, {0, 0}, false).at(0).onBar);
    EXPECT_TRUE(TextPieces({0, 97}, {0, 97}, false).at(0).onBar);
    for (const auto& one : {TextPieces({0, 97}, {0, 0}, false), TextPieces({0, 97}, {0, 97}, false),
                            TextPieces({0, 97}, {0, 40}, true)}) {
        ASSERT_EQ(one.size(), 1u);
        EXPECT_EQ(one[0].span, (Span{0, 97}));
    }
}
