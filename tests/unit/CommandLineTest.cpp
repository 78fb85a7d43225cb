#include "app/CommandLine.h"

#include <gtest/gtest.h>

using namespace app;

// Only what the usage names is accepted, in either option style and any case.
TEST(CommandLine, AcceptsTheReportAndTheUsageAndRefusesEverythingElse) {
    using Arguments = std::vector<std::string>;
    EXPECT_EQ(ParseArguments({}).request, Request::ShowWindow);
    for (const Arguments& report :
         {Arguments{"/report", "D:\\a b.txt"}, {"-REPORT", "D:\\a b.txt"}}) {
        const Invocation invocation = ParseArguments(report);
        EXPECT_EQ(invocation.request, Request::WriteReport);
        EXPECT_EQ(invocation.reportPath, "D:\\a b.txt");
    }
    EXPECT_EQ(ParseArguments({"/?"}).request, Request::ShowUsage);
    EXPECT_EQ(ParseArguments({"-?"}).request, Request::ShowUsage);
    for (const Arguments& refused : {Arguments{"/report"},
                                     {"/report", ""},
                                     {"/report", "a", "b"},
                                     {"/?", "x"},
                                     {"/"},
                                     {"/reports", "a"},
                                     {"xreport", "a"}})
        EXPECT_EQ(ParseArguments(refused).request, Request::Refuse) << refused.size();
}
