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

    char buffer[4];
    base::CopyToBuffer(buffer, sizeof buffer, "C:\\WINDOWS");
    EXPECT_STREQ(buffer, "C:\\");
    base::CopyToBuffer(buffer, sizeof buffer, "");
    EXPECT_STREQ(buffer, "");
}
