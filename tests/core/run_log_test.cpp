// The run log appends lines to log.txt in the working directory.
#include <gtest/gtest.h>

#include <fstream>
#include <sstream>
#include <string>

#include "io/run_log.h"
#include "scratch_directory.h"

TEST(RunLog, AppendsOneLinePerMessageAndKeepsEarlierLines) {
    ScratchDirectory dir;
    { std::ofstream("log.txt") << "earlier run\n"; }
    appendToLog("starting readCifFile function: a.cif");
    appendToLog("fail()");
    appendToLog("ends in its own break\n");
    std::ifstream in("log.txt");
    std::stringstream text;
    text << in.rdbuf();
    EXPECT_EQ(text.str(), "earlier run\nstarting readCifFile function: a.cif\nfail()\nends in its own break\n\n");
}

TEST(RunLog, UnwritableDirectoryDropsMessagesSilently) {
    ScratchDirectory dir;
    std::filesystem::create_directory("log.txt");  // a directory where the file should be
    appendToLog("lost");
    EXPECT_TRUE(std::filesystem::is_directory("log.txt"));
}
