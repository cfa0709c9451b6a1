// Our pair-group averaging against scipy's weighted linkage on the matrices
// the five methods give for the built-in polymorph set.
#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>
#include <fstream>
#include <sstream>

#include "similarity/clustering.h"

namespace {

struct Block {
    std::string method;
    SimilarityMatrix matrix;
    std::vector<double> heights;
};

std::vector<Block> readBlocks() {
    std::ifstream in(std::string(TESSARA_FIXTURES) + "/default_set_linkage.txt");
    std::vector<Block> blocks;
    std::string line;
    while (std::getline(in, line)) {
        if (line.empty() || line[0] == '#') continue;
        std::istringstream fields(line);
        std::string word;
        fields >> word;
        if (word == "method") {
            Block b;
            std::size_t n = 0;
            fields >> b.method >> n;
            for (std::size_t i = 0; i < n && std::getline(in, line); ++i) {
                std::istringstream values(line);
                std::vector<float> row;
                for (double v; values >> v;) row.push_back(static_cast<float>(v));
                b.matrix.push_back(row);
            }
            blocks.push_back(b);
        } else if (word == "heights" && !blocks.empty()) {
            for (double h; fields >> h;) blocks.back().heights.push_back(h);
        }
    }
    return blocks;
}

}  // namespace

TEST(DefaultSetLinkage, MergeDistancesEqualScipyHeights) {
    const std::vector<Block> blocks = readBlocks();
    ASSERT_EQ(blocks.size(), 5u);
    for (const Block& b : blocks) {
        ASSERT_EQ(b.heights.size() + 1, b.matrix.size()) << b.method;
        const Clustering clustering = clusterMatrix(b.matrix);
        std::vector<double> ours(clustering.distances.begin(), clustering.distances.end());
        std::vector<double> theirs = b.heights;
        std::sort(ours.begin(), ours.end());
        std::sort(theirs.begin(), theirs.end());
        for (std::size_t k = 0; k < ours.size(); ++k)
            EXPECT_NEAR(ours[k], theirs[k], 1e-6 * std::max(1.0, theirs[k])) << b.method << " merge " << k;
    }
}
