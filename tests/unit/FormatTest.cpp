#include "base/Color.h"
#include "base/Format.h"

#include <gtest/gtest.h>

TEST(Format, PrintfConversionsMatchOnEveryRuntimeAndCopiesAlwaysTerminate) {
    EXPECT_EQ(base::Format("Capacity: %.2f GB", 59.996), "Capacity: 60.00 GB");
    EXPECT_EQ(base::Format("%.f", 66.5), "66"); // round half to even, as printf does
    EXPECT_EQ(base::Format("%.f", 67.5), "68");
    EXPECT_EQ(base::Format("%lld", 1LL << 40), "1099511627776");
    EXPECT_EQ(base::Format("%X", 0xABCu), "ABC");
    EXPECT_EQ(base::Format("%s", ""), "");
    EXPECT_EQ(base::Format("%s", std::string(5000, 'x').c_str()).size(), 5000u);

    // Cut to the capacity, always terminated, never a byte beyond.
    const struct {
        std::size_t capacity;
        const char* text;
        const char* copied;
    } copies[] = {{4, "C:\\WINDOWS", "C:\\"},
                  {4, "abcd", "abc"},
                  {4, "abc", "abc"},
                  {4, "", ""},
                  {1, "abc", ""}};
    for (const auto& c : copies) {
        std::vector<char> buffer(c.capacity, 'z');
        base::CopyToBuffer(buffer.data(), buffer.size(), c.text);
        EXPECT_STREQ(buffer.data(), c.copied) << c.text;
    }
}

TEST(Colors, NamedColorsAreTheShownRgbValuesWithRedInTheLowByte) {
    EXPECT_EQ(base::Rgb(1, 2, 3), 0x030201u);
    EXPECT_EQ(base::Rgb(0x1FF, 0x1FF, 0x1FF), 0xFFFFFFu);
    EXPECT_EQ(base::RedOf(0x030201), 1u);
    EXPECT_EQ(base::GreenOf(0x030201), 2u);
    EXPECT_EQ(base::BlueOf(0x030201), 3u);
    const struct {
        base::Color color;
        unsigned red, green, blue;
    } named[] = {{base::colors::DarkBlue, 25, 25, 112},   {base::colors::BrickRed, 178, 34, 34},
                 {base::colors::BarStart, 173, 216, 230}, {base::colors::BarEnd, 165, 42, 42},
                 {base::colors::Red, 255, 0, 0},          {base::colors::MediumBlue, 0, 0, 205}};
    for (const auto& n : named)
        EXPECT_EQ(n.color, n.red | n.green << 8 | n.blue << 16);
}
