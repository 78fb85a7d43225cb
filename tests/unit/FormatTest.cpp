#include "base/Color.h"
#include "base/Format.h"

#include <gtest/gtest.h>

TEST(Format, PrintfConversionsMatchOnEveryRuntime) {
    EXPECT_EQ(base::Format("Capacity: %.2f GB", 59.996), "Capacity: 60.00 GB");
    EXPECT_EQ(base::Format("%.f", 66.5), "66"); // round half to even, as printf does
    EXPECT_EQ(base::Format("%.f", 67.5), "68");
    EXPECT_EQ(base::Format("%lld", 1LL << 40), "1099511627776");
    EXPECT_EQ(base::Format("%X", 0xABCu), "ABC");
    EXPECT_EQ(base::Format("%s", ""), "");
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

TEST(Colors, RedIsTheLowByteAsTheSystemStoresIt) {
    EXPECT_EQ(base::Rgb(1, 2, 3), 0x030201u);
    EXPECT_EQ(base::Rgb(0x1FF, 0x1FF, 0x1FF), 0xFFFFFFu);
    EXPECT_EQ((std::vector<unsigned>{base::RedOf(0x030201), base::GreenOf(0x030201),
                                     base::BlueOf(0x030201)}),
              (std::vector<unsigned>{1, 2, 3}));
}
