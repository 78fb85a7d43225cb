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

TEST(Colors, RedIsTheLowByteAsTheSystemStoresIt) {
    EXPECT_EQ(base::Rgb(1, 2, 3), 0x030201u);
    EXPECT_EQ(base::Rgb(0x1FF, 0x1FF, 0x1FF), 0xFFFFFFu);
    EXPECT_EQ((std::vector<unsigned>{base::RedOf(0x030201), base::GreenOf(0x030201),
                                     base::BlueOf(0x030201)}),
              (std::vector<unsigned>{1, 2, 3}));
}
