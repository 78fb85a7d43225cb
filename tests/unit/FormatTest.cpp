#include "base/Color.h"
#include "base/Format.h"

#include <gtest/gtest.h>

TEST(Format, PrintfConversionsMatchOnEveryRuntime) {
    EXPECT_EQ(base::Format("Capacity: %.2f GB", 59.996), "Capacity: 60.00 GB");
    EXPECT_EQ(base::Format("%.f", 66.5), "66"); // round half to even, as printf does
    EXPECT_EQ(base::Format("%.f", 67.5), "68");
    EXPECT_EQ(base::Format("%lld", 1LL << 40), "1099511627776");
    EXPECT_EQ(base::Format("%X", 0xABCu), "ABC");
    EXPECT_EQ(base::Format("%s", std::string(5000, 'x').c_str()).size(), 5000u);
}

// Texts are UTF-8: a cut never ends inside a character of one to four bytes.
TEST(Format, Utf8PrefixNeverEndsInsideACharacter) {
    const std::string text =
        "a\xC3\xA9\xE6\x95\xB0\xF0\x9F\x98\x80"; // a, e acute, a CJK sign, an emoji
    const std::size_t kept[] = {0, 1, 1, 3, 3, 3, 6, 6, 6, 6, 10, 10};
    for (std::size_t max = 0; max < 12; ++max)
        EXPECT_EQ(base::Utf8Prefix(text, max), text.substr(0, kept[max])) << max;
}

// Red is the low byte; in high contrast the system's colours, warnings and bars highlighted.
TEST(Colors, HighContrastGivesEachColorItsSystemColor) {
    using base::ColorUse;
    using base::Rgb;
    EXPECT_EQ(Rgb(1, 2, 3), 0x030201u);
    EXPECT_EQ(Rgb(0x1FF, 0x1FF, 0x1FF), 0xFFFFFFu);
    // window text, window, highlight, highlight text, button text
    const base::SystemColors system{1, 2, 3, 4, 5};
    const struct {
        ColorUse use;
        base::Color normal, highContrast;
    } rows[] = {
        {ColorUse::Text, 1, 1},
        {ColorUse::Title, Rgb(25, 25, 112), 1},
        {ColorUse::Figure, Rgb(178, 34, 34), 1},
        {ColorUse::Fine, Rgb(0, 0, 205), 1},
        {ColorUse::Warning, Rgb(255, 0, 0), 3},
        {ColorUse::Background, 2, 2},
        {ColorUse::AboutBackground, Rgb(250, 255, 250), 2},
        {ColorUse::AboutText, Rgb(0, 0, 0), 1},
        {ColorUse::BarStart, Rgb(173, 216, 230), 3},
        {ColorUse::BarEnd, Rgb(165, 42, 42), 3},
        {ColorUse::BarTextOnBar, 4, 4},
        {ColorUse::BarTextOnBackground, 5, 1},
        {ColorUse::Frame, Rgb(0, 0, 0), 1},
    };
    for (const auto& row : rows) {
        EXPECT_EQ(base::ColorFor(row.use, {false, system}), row.normal) << int(row.use);
        EXPECT_EQ(base::ColorFor(row.use, {true, system}), row.highContrast) << int(row.use);
    }
}
