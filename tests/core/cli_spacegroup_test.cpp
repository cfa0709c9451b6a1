// tessara-cli spacegroup: text, JSON, errors and help.
#include <gtest/gtest.h>

#include <string>

#include "cli_run.h"


TEST(CliSpaceGroup, PrintsTheSettingAndItsOperations) {
    const CliResult r = runCli({"spacegroup", "P 21/n"});
    EXPECT_EQ(r.status, 0);
    EXPECT_TRUE(r.err.empty());
    EXPECT_NE(r.out.find("Number:           14\n"), std::string::npos) << r.out;
    EXPECT_NE(r.out.find("Setting code:     b2\n"), std::string::npos);
    EXPECT_NE(r.out.find("Hall symbol:      -P 2yn\n"), std::string::npos);
    EXPECT_NE(r.out.find("  2  -x+1/2,y+1/2,-z+1/2\n"), std::string::npos);
}

TEST(CliSpaceGroup, JsonHoldsTheOperationMatricesRowByRow) {
    const CliResult r = runCli({"spacegroup", "P21/c", "--json"});
    EXPECT_EQ(r.status, 0);
    EXPECT_EQ(r.out,
              "{\"number\": 14, \"extension\": \"b1\", \"hall_symbol\": \"-P 2ybc\", \"labels\": \"P_21/c = "
              "P_1_21/c_1\", \"operations\": [[1,0,0,0,0,1,0,0,0,0,1,0], [-1,0,0,0,0,1,0,0.5,0,0,-1,0.5], "
              "[-1,0,0,0,0,-1,0,0,0,0,-1,0], [1,0,0,0,0,-1,0,0.5,0,0,1,0.5]]}\n");
    const CliResult p1 = runCli({"--json", "spacegroup", "1"});  // the command comes first
    EXPECT_EQ(p1.status, 2);
    const CliResult thirds = runCli({"spacegroup", "--json", "P31"});
    EXPECT_NE(thirds.out.find("\"extension\": \"\""), std::string::npos);
    EXPECT_NE(thirds.out.find("0.33333334"), std::string::npos);
}

TEST(CliSpaceGroup, UnknownTextFailsWithOneLineOnStderr) {
    const CliResult r = runCli({"spacegroup", "P 21/q", "--json"});
    EXPECT_EQ(r.status, 1);
    EXPECT_TRUE(r.out.empty());
    EXPECT_EQ(r.err, "space group not found: P 21/q\n");
}

TEST(CliSpaceGroup, HelpAndUsage) {
    EXPECT_EQ(runCli({"--help"}).status, 0);
    EXPECT_NE(runCli({"--help"}).out.find("spacegroup"), std::string::npos);
    const CliResult help = runCli({"spacegroup", "--help"});
    EXPECT_EQ(help.status, 0);
    EXPECT_NE(help.out.find("--json"), std::string::npos);
    EXPECT_EQ(runCli({}).status, 2);
    EXPECT_EQ(runCli({"spacegroup"}).status, 2);
    EXPECT_EQ(runCli({"frobnicate"}).status, 2);
}
